// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations()
{
    // Quorlin's own catalogue is built into the executable; Qt's come with
    // the Qt the program runs on.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const std::array<std::pair<QString, QString>, 3> catalogues{{
        {QStringLiteral("qtbase"), qtFolder},
        {QStringLiteral("qtserialport"), qtFolder},
        {QStringLiteral("quorlin"), QStringLiteral(":/i18n")},
    }};
    const QLocale locale;
    for (std::size_t i = 0; i < catalogues.size(); ++i) {
        const auto& [name, folder] = catalogues[i];
        if (m_translators[i].load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(&m_translators[i]);
    }
}
