// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace quorlin {

/// A place and size in twips: 1440 to the logical inch.
struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// The controls that the logic does not touch: they only frame and name the others.
enum class Decoration { Frame, Label };

enum class Container { Window, Frame };

/// One control of the window as its form describes it. A control the logic touches carries its
/// Control, whose name is its object name and whose kind says what it is; any other carries its
/// own name and what it is.
struct ControlRow
{
    std::optional<Control> control;
    std::u16string_view name;
    Decoration decoration = Decoration::Label;
    std::u16string_view caption;
    Twips twips;
    std::size_t tabIndex = 0;
    Container container = Container::Window;
};

/// A row of a control that the logic does not touch, known by its own name.
constexpr ControlRow named(std::u16string_view name, Decoration decoration,
    std::u16string_view caption, Twips twips, std::size_t tabIndex, Container container)
{
    return { std::nullopt, name, decoration, caption, twips, tabIndex, container };
}

/// A row of a control that the logic touches, known by its Control's name.
constexpr ControlRow bound(Control control, std::u16string_view caption, Twips twips,
    std::size_t tabIndex, Container container)
{
    return { control, {}, {}, caption, twips, tabIndex, container };
}

/// The window's controls in the order they are made, which is the order they stack in. A label
/// names the list on the row after it.
inline constexpr ControlRow controlRows[] = {
    named(u"FrameDatos", Decoration::Frame, u"Configuración del Dado", { 0, 0, 2676, 2076 }, 0,
        Container::Window),
    named(u"Label1", Decoration::Label, u"&Caras del Dado", { 144, 360, 1188, 288 }, 2,
        Container::Frame),
    bound(Control::cmbCaras, u"", { 1704, 315, 690, 288 }, 1, Container::Frame),
    named(u"Label2", Decoration::Label, u"Tirada &Mínima", { 144, 720, 1188, 288 }, 3,
        Container::Frame),
    bound(Control::cmbMinimo, u"", { 1704, 675, 690, 288 }, 4, Container::Frame),
    named(u"Label3", Decoration::Label, u"&Dificultad", { 180, 1116, 1188, 288 }, 7,
        Container::Frame),
    bound(Control::cmbDificultad, u"", { 1692, 1044, 690, 288 }, 8, Container::Frame),
    named(u"Label4", Decoration::Label, u"&Numero tiradas", { 180, 1476, 1188, 216 }, 12,
        Container::Frame),
    bound(Control::cmbTiradas, u"", { 1692, 1404, 690, 288 }, 11, Container::Frame),
    bound(Control::chkPersonaje, u"Generar personaje", { 180, 1800, 1956, 192 }, 10,
        Container::Frame),
    bound(Control::txtResultado, u"", { 0, 2088, 2676, 1416 }, 6, Container::Window),
    bound(Control::cmdTirar, u"Tirar &Dados", { 0, 3528, 1320, 330 }, 5, Container::Window),
    bound(Control::cmdSalir, u"&Salir", { 1332, 3528, 1356, 330 }, 9, Container::Window),
};

inline constexpr std::size_t rowCount = std::size(controlRows);

namespace detail {

    constexpr bool wellFormed()
    {
        std::array<bool, rowCount> tabTaken {};
        std::array<bool, controlCount> controlTaken {};
        for (std::size_t row = 0; row < rowCount; ++row) {
            const ControlRow& control = controlRows[row];
            if (control.tabIndex >= rowCount || std::exchange(tabTaken[control.tabIndex], true))
                return false;
            if (control.control.has_value() == !control.name.empty())
                return false;
            if (control.control && std::exchange(controlTaken[indexOf(*control.control)], true))
                return false;
            const bool isList = control.control
                && (controlKind(*control.control) == ControlKind::EditableCombo
                    || controlKind(*control.control) == ControlKind::DropDownList);
            const ControlRow* before = row > 0 ? &controlRows[row - 1] : nullptr;
            const bool afterLabel
                = before && !before->control && before->decoration == Decoration::Label;
            if (isList != afterLabel)
                return false;
        }
        for (bool taken : controlTaken) {
            if (!taken)
                return false;
        }
        return true;
    }

} // namespace detail

static_assert(detail::wellFormed(),
    "tab indices 0 .. n - 1 once each, every Control once, a name on every other row, "
    "a label before each list only");

/// 15 twips make one logical pixel (96 to the logical inch). Each coordinate is rounded to the
/// nearest whole pixel on its own; no whole number of twips lies halfway between two pixels, 15
/// being odd.
constexpr int pixelsOfTwips(int twips) { return (twips + 7) / 15; }

} // namespace quorlin
