#include "app/StartupInfo.h"

#include <QTest>

using namespace virelai;

class TestStartupInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chemin_data();
    void chemin();
    void numVersion_data();
    void numVersion();
    void buildVersionAndCaption();
};

void TestStartupInfo::chemin_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("plain directory") << "/opt/virelai" << "/opt/virelai/";
    QTest::newRow("root gets a second separator") << "/" << "//";
    QTest::newRow("trailing separator not looked at") << "/opt/virelai/" << "/opt/virelai//";
    // clang-format on
}

void TestStartupInfo::chemin()
{
    QFETCH(QString, directory);
    QTEST(cheminFromDirectory(directory), "expected");
}

void TestStartupInfo::numVersion_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("this release") << 2 << 1 << 0 << "2.1.0";
    QTest::newRow("several digits, no padding") << 10 << 0 << 12 << "10.0.12";
    // clang-format on
}

void TestStartupInfo::numVersion()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QTEST(virelai::numVersion(major, minor, revision), "expected");
}

void TestStartupInfo::buildVersionAndCaption()
{
    // The project's version numbers reach the program.
    QCOMPARE(programNumVersion(), QStringLiteral("2.1.0"));
    QCOMPARE(windowCaption(programNumVersion()),
             QStringLiteral("Aide et Suggestions pédagogiques - V2.1.0"));
}

QTEST_APPLESS_MAIN(TestStartupInfo)
#include "tst_startupinfo.moc"
