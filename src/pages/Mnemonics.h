#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

class QAction;

// Keyboard mnemonics ("&Datei") for menus. The text table holds the captions without them; they are
// chosen when a caption is set, per menu, so that every language gets letters of its own words.

namespace quillon {

// The captions with one "&" each before a letter that no other caption of the list has as its
// mnemonic, and none of `taken` (lower case). The first letter is preferred, then the first letters of
// later words, then any letter. Equal captions (items of which only one is shown) share their letter;
// a caption without a free letter gets none. A "&" in a caption is doubled so that it stays text.
QStringList WithMnemonics(const QStringList& captions, const QString& taken = {});

// The mnemonic letter of a text as a menu shows it (lower case), or a null character.
QChar MnemonicOf(const QString& text);

// Sets the items of one menu (or the titles of a menu bar) from their plain captions.
void SetMenuTexts(const QList<std::pair<QAction*, QString>>& items);

} // namespace quillon
