// SPDX-License-Identifier: MIT
// What every window of Tenvo shares with the platform: its icon and Qt's own texts.
#pragma once

class QIcon;
class QString;

namespace tenvo {

// The program's icon, embedded in the sizes a task bar or window switcher draws.
QIcon ProgramIcon();

// Qt's own texts, the buttons of message boxes and the menus of boxes and lists, in Japanese
// like every text of Tenvo, whatever the user's locale. False when the translation is not
// installed (Debian's qt6-translations-l10n has it); Qt's English texts stay then.
bool InstallJapaneseQtTexts();
// The same from the translations in `folder`.
bool InstallJapaneseQtTexts(const QString& folder);

} // namespace tenvo
