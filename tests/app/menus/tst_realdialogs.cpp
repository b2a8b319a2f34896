#include "app/FileClipboard.h"
#include "app/menus/Form1Menus.h"
#include "app/window/Form1.h"
#include "document/surface/Surface.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPrinterInfo>
#include <QTest>
#include <QTimer>

using namespace virelai;

namespace {

// Rejects every modal dialog as soon as it shows, remembering its class.
class DialogRejecter : public QObject
{
public:
    QStringList rejected;

    DialogRejecter()
    {
        connect(&timer, &QTimer::timeout, this, &DialogRejecter::rejectModal);
        timer.start(20);
    }

private:
    void rejectModal()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        rejected << QString::fromLatin1(dialog->metaObject()->className());
        dialog->reject();
    }

    QTimer timer;
};

} // namespace

// The real dialogs open and close without a printer and without hanging.
class RealDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printerDialogOpensAndCloses();
    void pageSetUpDialogOpensAndTheDocumentIsBuiltAgain();
};

void RealDialogsTest::printerDialogOpensAndCloses()
{
    Form1 form(std::make_unique<FileClipboard>(QString()));
    form.show();
    DialogRejecter rejecter;
    form.menus->menus().config->trigger();
    QStringList expected {"QPrintDialog"};
    if (QPrinterInfo::availablePrinters().isEmpty())
        expected.prepend(QStringLiteral("QMessageBox"));
    QCOMPARE(rejecter.rejected, expected);
}

void RealDialogsTest::pageSetUpDialogOpensAndTheDocumentIsBuiltAgain()
{
    Form1 form(std::make_unique<FileClipboard>(QString()));
    form.Form_Load(QStringLiteral("5,0,Élèves concernés (CE2 B),CE2,"));
    form.show();
    const auto before = form.VSPrinter1->shownDocument();
    DialogRejecter rejecter;
    form.menus->menus().ConfMiseEnPage->trigger();
    QCOMPARE(rejecter.rejected, QStringList {"QPageSetupDialog"});
    QVERIFY(form.VSPrinter1->shownDocument() != before);
}

QTEST_MAIN(RealDialogsTest)
#include "tst_realdialogs.moc"
