#include "app/navigation/DocumentList.h"

#include <QTest>

using namespace virelai;

namespace {

DocumentList deuxEntrees()
{
    DocumentList list;
    list.ajouter({QStringLiteral("Moyenne"), QStringLiteral("moyenne.rtf"), 6, 1});
    list.ajouter({QStringLiteral("Profil"), QStringLiteral("profil.rtf"), 4, 2});
    return list;
}

} // namespace

class DocumentListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void elementsCountFromOne_data();
    void elementsCountFromOne();
    void captionByKind_data();
    void captionByKind();
    void originIsTheEntryOfTheType_data();
    void originIsTheEntryOfTheType();
};

void DocumentListTest::elementsCountFromOne_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("fichier"); // empty: no element
    QTest::newRow("nothing selected") << 0 << QString();
    QTest::newRow("below nothing") << -1 << QString();
    QTest::newRow("first") << 1 << QStringLiteral("moyenne.rtf");
    QTest::newRow("last") << 2 << QStringLiteral("profil.rtf");
    QTest::newRow("past the end") << 3 << QString();
    QTest::newRow("far past the end") << 32767 << QString();
}

void DocumentListTest::elementsCountFromOne()
{
    QFETCH(int, position);
    QFETCH(QString, fichier);
    const std::optional<ElementDocument> element = deuxEntrees().element(position);
    QCOMPARE(element.has_value(), !fichier.isEmpty());
    if (element)
        QCOMPARE(element->Fichier, fichier);
    QVERIFY(!DocumentList().element(position));
}

void DocumentListTest::captionByKind_data()
{
    QTest::addColumn<int>("Ltype");
    QTest::addColumn<QString>("caption");
    QTest::newRow("chart-reading help") << 1 << QStringLiteral("Virelai des graphiques : Moyenne");
    QTest::newRow("suggestions") << 2 << QStringLiteral("Suggestions pédagogiques : Moyenne");
    QTest::newRow("kind 0") << 0 << QStringLiteral("Suggestions pédagogiques : Moyenne");
    QTest::newRow("negative kind") << -1 << QStringLiteral("Suggestions pédagogiques : Moyenne");
}

void DocumentListTest::captionByKind()
{
    QFETCH(int, Ltype);
    QFETCH(QString, caption);
    QCOMPARE(legendeEntree(qint16(Ltype), QStringLiteral("Moyenne")), caption);
}

void DocumentListTest::originIsTheEntryOfTheType_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<int>("IndOrigine");
    QTest::newRow("type with an entry") << 2 << 2;
    QTest::newRow("type past the list") << 3 << 0;
    QTest::newRow("help file type") << -4 << 0;
}

void DocumentListTest::originIsTheEntryOfTheType()
{
    QFETCH(int, TypeDoc);
    QFETCH(int, IndOrigine);
    QCOMPARE(int(positionOrigine(deuxEntrees(), qint16(TypeDoc))), IndOrigine);
    QCOMPARE(int(positionOrigine(DocumentList(), qint16(TypeDoc))), 0);
}

QTEST_APPLESS_MAIN(DocumentListTest)
#include "tst_documentlist.moc"
