// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QComboBox;

namespace quorlin {

/// The property, true on each combo box that readAsList has made a list.
inline constexpr const char* listProperty = "quorlinList";

/// Makes screen readers read combo, one of the window's lists, as its label's caption (its name,
/// from the label that names it), its kind and the text it shows (its value, also offered as
/// its text and, where the toolkit can say so, as the value text that screen readers ask of a
/// combo box): each once, and nothing for the value while it shows none. A value that the player
/// chooses while combo has the focus is told where screen readers listen for it: as the chosen
/// item of its selection, or where the toolkit offers none, as chosen text put in. Its open-able
/// list and its typing field stay its children. Call it before anything asks for combo's
/// accessibility.
void readAsList(QComboBox& combo);

/// Has the desktop's accessibility bridge tell of combo's changes so that a screen reader says
/// each once: a new value only as a change of its selection, where the bridge would also tell of
/// a change of name (the label's caption, which never changes); and not the field's text that Tab
/// selects before the focus is told, since the reader reads that text with the focus. Elsewhere
/// the toolkit's own telling stays. readAsList calls it.
void tellListChanges(QComboBox& combo);

} // namespace quorlin
