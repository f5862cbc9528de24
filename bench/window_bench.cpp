// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window on the offscreen platform: rebuilding the lists while the user types a large
// die, opening a list of 32767 items, pasting a megabyte into the result box, and the process's
// start and memory against plain Qt windows, with no session bus and with a live one. The same
// binary, run as "window_bench --probe=<kind>", is the measured process.
#include "stockwindow.h"
#include "tests/support/scriptedrandom.h"
#include "window/frmtirardados.h"
#include "window/start/session.h"
#include "window/start/sessionbus.h"
#include "window/start/spanish.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using namespace quorlin;
using namespace quorlin::testing;
using namespace Qt::StringLiterals;

struct Running
{
    Running()
        : random({ wordForDraw(1, 6) })
        , session(random)
    {
        session.start();
    }

    QComboBox* combo(const QString& name) { return session.window().findChild<QComboBox*>(name); }

    ScriptedRandom random;
    Session session;
};

// All the rebuilds of typing 32767 into the faces field: 3, 32, 327, 3276 and 32767 items in
// each list, the big list of the previous round cleared by the first keystroke.
void BM_TypeLargeDie(benchmark::State& state)
{
    Running running;
    QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
    if (state.range(0) != 0) {
        // Once opened, the popup's view is connected to the list for good.
        QComboBox* minimo = running.combo(u"cmbMinimo"_s);
        running.session.program().state().chooseItem(Control::cmbCaras, 0);
        minimo->showPopup();
        minimo->hidePopup();
    }
    for (auto _ : state) {
        state.PauseTiming();
        field->clear();
        state.ResumeTiming();
        QTest::keyClicks(field, u"32767"_s);
    }
    state.counters["items"] = static_cast<double>(running.combo(u"cmbMinimo"_s)->count());
}
BENCHMARK(BM_TypeLargeDie)
    ->ArgName("popupOpenedBefore")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Opening the minimum list right after it was filled with 32767 items, until it is drawn.
void BM_OpenLargeList(benchmark::State& state)
{
    Running running;
    QLineEdit* field = running.combo(u"cmbCaras"_s)->lineEdit();
    QComboBox* minimo = running.combo(u"cmbMinimo"_s);
    for (auto _ : state) {
        state.PauseTiming();
        minimo->hidePopup();
        field->clear();
        QTest::keyClicks(field, u"32767"_s);
        QApplication::processEvents();
        state.ResumeTiming();
        minimo->showPopup();
        QApplication::processEvents();
    }
    minimo->hidePopup();
    state.counters["items"] = static_cast<double>(minimo->count());
}
BENCHMARK(BM_OpenLargeList)->Unit(benchmark::kMillisecond);

// Pasting 1 MiB into the result box with Ctrl+V, then one Backspace, a keystroke that changes
// the text however full the box is; each until the window has drawn it. The text has no blank, the
// dearest case for line breaking: one line, or lines of 80 characters.
void BM_PasteIntoReport(benchmark::State& state)
{
    Running running;
    auto* box = running.session.window().findChild<QPlainTextEdit*>(u"txtResultado"_s);
    const auto lineLength = static_cast<qsizetype>(state.range(0));
    QString text;
    constexpr qsizetype megabyte = 1 << 20;
    text.reserve(megabyte);
    while (text.size() < megabyte) {
        const bool lineEnd = lineLength != 0 && text.size() % (lineLength + 1) == lineLength;
        text.append(lineEnd ? u'\n' : static_cast<char16_t>(u'a' + text.size() % 26));
    }
    QApplication::clipboard()->setText(text);
    box->setFocus();
    double keystrokeMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::processEvents();
        keystrokeMs
            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count();
        state.ResumeTiming();
    }
    state.counters["keystroke_ms"] = keystrokeMs;
    state.counters["chars_held"] = static_cast<double>(box->document()->characterCount() - 1);
}
// A single round: before the box was bounded, the paste on one line took minutes.
BENCHMARK(BM_PasteIntoReport)
    ->ArgName("lineLength")
    ->Arg(0)
    ->Arg(80)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The measured process ("empty", "label", "stock", "quorlin" or "faces"): shows its window and
// writes one byte to standard output at the first Expose; with "faces", then types 32767 into the
// faces field and writes a second byte.
int probe(int argc, char* argv[], const std::string& kind)
{
    const bool quorlin = kind == "quorlin" || kind == "faces";
    if (quorlin) {
        // What main() does before the application object, the session bus's greeting included.
        settleSessionBus();
    }
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> empty;
    std::unique_ptr<XoshiroRandom> random;
    std::unique_ptr<Session> session;
    QWidget* window = nullptr;
    if (!quorlin) {
        empty = std::make_unique<QWidget>();
        empty->resize(179, 258);
        // One line of text costs what any window with text pays first: the font database.
        if (kind == "label")
            new QLabel(u"Quorlin"_s, empty.get());
        if (kind == "stock")
            bench::buildStockWindow(*empty);
        empty->show();
        window = empty.get();
    } else {
        // What main() does.
        installSpanish(application);
        random = std::make_unique<XoshiroRandom>();
        session = std::make_unique<Session>(*random);
        session->start();
        window = &session->window();
    }
    bool exposed = false;
    const auto onExpose = [&] {
        if (kind == "faces") {
            auto* field = window->findChild<QComboBox*>(u"cmbCaras"_s)->lineEdit();
            QTest::keyClicks(field, u"32767"_s);
        }
        QCoreApplication::exit(0);
    };
    struct ExposeWatch : QObject
    {
        QWindow* target = nullptr;
        bool* exposed = nullptr;
        std::function<void()> then;
        bool eventFilter(QObject* object, QEvent* event) override
        {
            if (object == target && event->type() == QEvent::Expose && !*exposed
                && target->isExposed()) {
                *exposed = true;
                if (::write(STDOUT_FILENO, "x", 1) != 1)
                    std::_Exit(3);
                QTimer::singleShot(0, then);
            }
            return false;
        }
    } watch;
    watch.target = window->windowHandle();
    watch.exposed = &exposed;
    watch.then = onExpose;
    application.installEventFilter(&watch);
    const int status = QApplication::exec();
    // The child's own high-water mark: wait4's ru_maxrss would also count the parent's memory
    // that the spawn carried over until the exec.
    std::FILE* statusFile = std::fopen("/proc/self/status", "r");
    char line[256];
    while (statusFile && std::fgets(line, sizeof line, statusFile)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0
            && ::write(STDOUT_FILENO, line + 6, std::strlen(line + 6)) < 0)
            std::_Exit(3);
    }
    if (statusFile)
        std::fclose(statusFile);
    // Whether an image plugin was loaded: every PNG the window reads at start is built in.
    std::FILE* mapsFile = std::fopen("/proc/self/maps", "r");
    bool imagePlugin = false;
    while (mapsFile && std::fgets(line, sizeof line, mapsFile))
        imagePlugin = imagePlugin || std::strstr(line, "/imageformats/") != nullptr;
    if (mapsFile)
        std::fclose(mapsFile);
    if (imagePlugin && ::write(STDOUT_FILENO, "imageformats\n", 13) < 0)
        std::_Exit(3);
    return status;
}

struct ProcessRun
{
    double milliseconds = 0; // start to the first Expose
    double peakMiB = 0; // peak resident set size over the whole run
    bool imagePlugin = false; // an image plugin was loaded
};

ProcessRun runProbe(const char* kind)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string self(4096, '\0');
    self.resize(static_cast<std::size_t>(::readlink("/proc/self/exe", self.data(), self.size())));
    std::string option = std::string("--probe=") + kind;
    char* args[] = { self.data(), option.data(), nullptr };

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    ProcessRun run;
    char byte = 0;
    if (spawned == 0 && ::read(pipeEnds[0], &byte, 1) == 1)
        run.milliseconds
            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count();
    std::string rest;
    char buffer[128];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        rest.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    if (spawned == 0)
        ::waitpid(child, &status, 0);
    run.peakMiB = std::strtod(rest.c_str(), nullptr) / 1024.0;
    run.imagePlugin = rest.find("imageformats") != std::string::npos;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Runs a program to its end with its output thrown away; true when it ended with status 0.
bool runQuietly(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int status = -1;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        ::waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status == 0;
}

// The session bus that the probes find: none (no address, and a runtime folder without a bus),
// or a live one of the benchmark's own with the accessibility bus running on it, as a desktop
// session has them.
class SessionBus
{
public:
    explicit SessionBus(bool live)
        : m_address(saved("DBUS_SESSION_BUS_ADDRESS"))
        , m_runtime(saved("XDG_RUNTIME_DIR"))
    {
        char folder[] = "/tmp/quorlin-bench-XXXXXX";
        m_folder = ::mkdtemp(folder);
        ::setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        if (!live)
            return;
        const std::string address = "unix:path=" + m_folder + "/bus";
        std::string listen = "--address=" + address;
        char* args[] = { const_cast<char*>("dbus-daemon"), const_cast<char*>("--session"),
            const_cast<char*>("--nofork"), listen.data(), nullptr };
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&m_daemon, "dbus-daemon", &actions, nullptr, args, environ) != 0)
            m_daemon = 0;
        posix_spawn_file_actions_destroy(&actions);
        for (int wait = 0;
             m_daemon > 0 && wait < 500 && !std::filesystem::exists(m_folder + "/bus"); ++wait)
            ::usleep(10000);
        ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        // Asking for the accessibility bus's address starts it, as a desktop does at login.
        m_accessibility = m_daemon > 0
            && runQuietly({ "dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                "/org/a11y/bus", "org.a11y.Bus.GetAddress" });
    }

    ~SessionBus()
    {
        // The accessibility bus ends with the session bus it was started on.
        if (m_daemon > 0) {
            ::kill(m_daemon, SIGTERM);
            ::waitpid(m_daemon, nullptr, 0);
        }
        std::filesystem::remove_all(m_folder);
        restore("DBUS_SESSION_BUS_ADDRESS", m_address);
        restore("XDG_RUNTIME_DIR", m_runtime);
    }

    bool live() const { return m_daemon > 0; }
    bool accessibility() const { return m_accessibility; }

private:
    static std::optional<std::string> saved(const char* name)
    {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }

    static void restore(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }

    std::optional<std::string> m_address;
    std::optional<std::string> m_runtime;
    std::string m_folder;
    pid_t m_daemon = 0;
    bool m_accessibility = false;
};

// Rounds of the processes, interleaved so that the machine's load falls on all alike, after one
// round that is not counted (it fills the page cache, and on a live bus starts the accessibility
// bus, which a desktop has running from the start); medians are reported.
void BM_ProcessStartAndMemory(benchmark::State& state)
{
    constexpr int rounds = 15;
    const SessionBus bus(state.range(0) != 0);
    if (state.range(0) != 0 && !bus.live()) {
        state.SkipWithError("dbus-daemon could not be started");
        return;
    }
    std::vector<double> emptyMs, labelMs, stockMs, quorlinMs;
    std::vector<double> emptyMiB, labelMiB, stockMiB, quorlinMiB, facesMiB;
    int imagePluginRuns = 0;
    for (auto _ : state) {
        for (const char* kind : { "empty", "label", "stock", "quorlin" })
            runProbe(kind);
        for (int round = 0; round < rounds; ++round) {
            const ProcessRun empty = runProbe("empty");
            const ProcessRun label = runProbe("label");
            const ProcessRun stock = runProbe("stock");
            const ProcessRun quorlin = runProbe("quorlin");
            const ProcessRun faces = runProbe("faces");
            emptyMs.push_back(empty.milliseconds);
            labelMs.push_back(label.milliseconds);
            stockMs.push_back(stock.milliseconds);
            quorlinMs.push_back(quorlin.milliseconds);
            emptyMiB.push_back(empty.peakMiB);
            labelMiB.push_back(label.peakMiB);
            stockMiB.push_back(stock.peakMiB);
            quorlinMiB.push_back(quorlin.peakMiB);
            facesMiB.push_back(faces.peakMiB);
            imagePluginRuns += quorlin.imagePlugin ? 1 : 0;
        }
    }
    state.counters["empty_ms"] = median(emptyMs);
    state.counters["label_ms"] = median(labelMs);
    state.counters["stock_ms"] = median(stockMs);
    state.counters["quorlin_ms"] = median(quorlinMs);
    state.counters["time_vs_empty"] = median(quorlinMs) / median(emptyMs);
    state.counters["time_vs_label"] = median(quorlinMs) / median(labelMs);
    state.counters["time_vs_stock"] = median(quorlinMs) / median(stockMs);
    state.counters["empty_MiB"] = median(emptyMiB);
    state.counters["label_MiB"] = median(labelMiB);
    state.counters["stock_MiB"] = median(stockMiB);
    state.counters["quorlin_MiB"] = median(quorlinMiB);
    state.counters["rss_vs_empty"] = median(quorlinMiB) / median(emptyMiB);
    state.counters["rss_vs_label"] = median(quorlinMiB) / median(labelMiB);
    state.counters["rss_vs_stock"] = median(quorlinMiB) / median(stockMiB);
    state.counters["faces_extra_MiB"] = median(facesMiB) - median(quorlinMiB);
    state.counters["image_plugin_runs"] = imagePluginRuns;
    state.counters["accessibility_bus"] = bus.accessibility() ? 1 : 0;
}
BENCHMARK(BM_ProcessStartAndMemory)
    ->ArgName("liveBus")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::string(argv[1]).starts_with("--probe="))
        return probe(argc, argv, std::string(argv[1]).substr(8));

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
