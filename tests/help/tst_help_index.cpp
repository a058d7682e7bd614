// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "help/HelpIndex.h"
#include "support/FakeHelpViewer.h"
#include "support/FakeMessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the tests look at in a help document: its title, its section
// headings, the contents list and every reference it makes.
struct HelpOutline
{
    QString title;
    QStringList sectionIds;
    QStringList contentsLinks;
    QStringList references;
    QStringList ids;
    QString parseError;
};

HelpOutline outlineOf(const QByteArray& html)
{
    HelpOutline outline;
    QXmlStreamReader xml(html);
    bool inContents = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("ol"))
            inContents = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (!id.isEmpty())
            outline.ids.append(id);
        for (const QLatin1String attribute : {QLatin1String("href"), QLatin1String("src")})
            if (attributes.hasAttribute(attribute))
                outline.references.append(attributes.value(attribute).toString());
        if (xml.name() == QLatin1String("title"))
            outline.title = xml.readElementText();
        else if (xml.name() == QLatin1String("h2"))
            outline.sectionIds.append(id);
        else if (xml.name() == QLatin1String("ol") && outline.sectionIds == QStringList{"contents"})
            inContents = true;
        else if (xml.name() == QLatin1String("a") && inContents)
            outline.contentsLinks.append(attributes.value(QLatin1String("href")).mid(1).toString());
    }
    if (xml.hasError())
        outline.parseError = xml.errorString();
    return outline;
}

} // namespace

class TestHelpIndex : public QObject
{
    Q_OBJECT

private slots:
    void theBuiltProgramFindsTheShippedHelp()
    {
        const QString found = helpIndexFile(QStringLiteral(QUORLIN_PROGRAM_DIR));

        QVERIFY2(QFileInfo(found).isAbsolute(), qPrintable(found));
        QCOMPARE(contentsOf(found), contentsOf(QStringLiteral(QUORLIN_SHIPPED_HELP)));
        const HelpOutline outline = outlineOf(contentsOf(found));
        QCOMPARE(outline.title, QStringLiteral("Quorlin Help"));
        QCOMPARE(outline.sectionIds.value(0), QStringLiteral("contents"));
    }

    void reportsWhatKeepsTheHelpFromShowing_data()
    {
        QTest::addColumn<QString>("inPlace");
        QTest::addColumn<bool>("viewerStarts");
        QTest::addColumn<bool>("reachesViewer");
        QTest::addColumn<QString>("message");

        QTest::newRow("file and viewer") << "file" << true << true << QString();
        QTest::newRow("no viewer") << "file" << false << true << "No program could be started";
        QTest::newRow("file missing") << "nothing" << true << false << "is missing";
        QTest::newRow("folder in its place") << "folder" << true << false << "is missing";
    }

    void reportsWhatKeepsTheHelpFromShowing()
    {
        QFETCH(QString, inPlace);
        QFETCH(bool, viewerStarts);
        QFETCH(bool, reachesViewer);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString helpFile = dir.filePath(QStringLiteral("help files/quorlin-help.html"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("help files")));
        if (inPlace == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkpath(helpFile));
        if (inPlace == QLatin1String("file")) {
            QFile file(helpFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FakeHelpViewer viewer;
        viewer.starts = viewerStarts;
        FakeMessageBox messages;

        showHelpFile(helpFile, viewer, messages, nullptr);

        QCOMPARE(viewer.shownFiles, reachesViewer ? QStringList{helpFile} : QStringList());
        if (message.isEmpty()) {
            QCOMPARE(messages.texts, QStringList());
            return;
        }
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.first().contains(message), qPrintable(messages.texts.first()));
        QVERIFY2(messages.texts.first().contains(QDir::toNativeSeparators(helpFile)),
                 qPrintable(messages.texts.first()));
    }

    void contentsListLinksEverySection()
    {
        const HelpOutline outline = outlineOf(contentsOf(QStringLiteral(QUORLIN_SHIPPED_HELP)));

        QCOMPARE(outline.parseError, QString());
        QCOMPARE(outline.contentsLinks, outline.sectionIds.mid(1));
        // The document must work from a file with no network and nothing
        // beside it: every reference stays inside it and lands on a target.
        for (const QString& reference : outline.references) {
            QVERIFY2(reference.startsWith(u'#'), qPrintable(reference));
            QVERIFY2(outline.ids.contains(reference.mid(1)), qPrintable(reference));
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpIndex)
#include "tst_help_index.moc"
