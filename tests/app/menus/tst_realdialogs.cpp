#include "app/FileClipboard.h"
#include "app/window/Form1.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace virelai;

namespace {

// A dialog's class, with what the teacher sees first: a message box's icon, the
// accept button of the printer dialog.
QString describe(const QDialog &dialog)
{
    const QString className = QString::fromLatin1(dialog.metaObject()->className());
    if (const auto *box = qobject_cast<const QMessageBox *>(&dialog))
        return className + (box->icon() == QMessageBox::Information ? " information" : " other");
    if (const auto *buttons = dialog.findChild<QDialogButtonBox *>())
        return className + " " + buttons->button(QDialogButtonBox::Ok)->text();
    return className;
}

// Rejects every modal dialog as soon as it shows, describing it.
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
        rejected << describe(*dialog);
        dialog->reject();
    }

    QTimer timer;
};

} // namespace

// The real printer dialog opens and closes without a printer and without
// hanging; it stores the printer: it does not print. The real page set-up
// dialog is opened end to end.
class RealDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printerDialogOpensAndCloses();
};

void RealDialogsTest::printerDialogOpensAndCloses()
{
    Form1 form(std::make_unique<FileClipboard>(QString()));
    form.show();
    DialogRejecter rejecter;
    form.findChild<QAction *>(QStringLiteral("config"))->trigger();
    QStringList expected {"QPrintDialog OK"};
    if (QPrinterInfo::availablePrinters().isEmpty())
        expected.prepend(QStringLiteral("QMessageBox information"));
    QCOMPARE(rejecter.rejected, expected);
}

QTEST_MAIN(RealDialogsTest)
#include "tst_realdialogs.moc"
