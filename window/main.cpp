#include "runtime/random.h"
#include "window/commandline.h"
#include "window/displaylost.h"
#include "window/session.h"
#include "window/sessionbus.h"
#include "window/spanish.h"

#include <QApplication>

#include <cstdio>

namespace {

// Qt aborts with an English message when it finds no display; say it in a sentence instead.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto status = quorlin::answerCommandLine(argc, argv))
        return *status;
    if (!hasDisplay()) {
        std::fputs("Quorlin necesita un escritorio gráfico y no ha encontrado ninguna pantalla "
                   "(ni DISPLAY ni WAYLAND_DISPLAY).\n",
            stderr);
        return 1;
    }
    quorlin::keepFromLaunchingSessionBus();
    quorlin::sayDisplayLostInSpanish();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlin"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorlin.Quorlin"));
    quorlin::installSpanish(application);

    quorlin::SystemRandom random;
    quorlin::Session session(random);
    session.start();
    return session.program().hasEnded() ? 0 : QApplication::exec();
}
