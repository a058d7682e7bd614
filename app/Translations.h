// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <QTranslator>

// The program's texts and Qt's own (its dialogs' buttons, the text boxes'
// context menu, the command line's errors) in the user's language, for as
// long as this lives. Needs the application object; English, the language
// the texts are written in, needs no translation.
class Translations
{
public:
    Translations();
    Q_DISABLE_COPY_MOVE(Translations)

private:
    std::array<QTranslator, 3> m_translators;
};
