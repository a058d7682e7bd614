// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/DesktopHelpViewer.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

// Stands in for the desktop's handler of local files.
class FileUrlRecorder : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl& url) { urls.append(url); }

public:
    QList<QUrl> urls;
};

class TestDesktopHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_recorder.urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_recorder, "open");
    }
    void cleanup() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void opensTheFileItself_data()
    {
        QTest::addColumn<QString>("helpFile");

        QTest::newRow("plain") << "/usr/share/help/C/quorlin/quorlin-help.html";
        QTest::newRow("blanks") << "/home/a user/My Programs/share/help/C/quorlin/quorlin-help.html";
        QTest::newRow("hash and percent") << "/opt/rig #2/100% done/quorlin-help.html";
        QTest::newRow("question mark") << "/tmp/why?/quorlin-help.html";
        QTest::newRow("non-ASCII") << "/home/jürgen/Prüfstand/quorlin-help.html";
    }

    void opensTheFileItself()
    {
        QFETCH(QString, helpFile);

        QVERIFY(DesktopHelpViewer().showContents(helpFile));

        QCOMPARE(m_recorder.urls.size(), 1);
        const QUrl url = m_recorder.urls.first();
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), helpFile);
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
    }

private:
    FileUrlRecorder m_recorder;
};

QTEST_MAIN(TestDesktopHelpViewer)
#include "tst_desktop_help_viewer.moc"
