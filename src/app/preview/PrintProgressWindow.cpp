#include "PrintProgressWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace virelai {

namespace {

const QString PrintingCaption = QStringLiteral("Impression en cours...");
const QString AbandonCaption = QStringLiteral("Abandon");
const QString DocumentOnPrinter = QStringLiteral("de %s sur %s");
const QString PageOf = QStringLiteral("Page %d de");
// Room the window manager takes in a title bar for its icon and buttons.
constexpr int TitleButtonsWidth = 120;

// Fills the "%s" fields of a text in order.
QString fillStrings(QString text, const QStringList &values)
{
    for (const QString &value : values) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"));
        if (at < 0)
            break;
        text.replace(at, 2, value);
    }
    return text;
}

} // namespace

PrintProgressWindow::PrintProgressWindow(QWidget *parent)
    : QDialog(parent)
    , m_documentLabel(new QLabel(this))
    , m_pageLabel(new QLabel(this))
    , m_abandon(new QPushButton(AbandonCaption, this))
{
    setWindowTitle(PrintingCaption);
    // The window manager cuts a title that does not fit beside its buttons.
    setMinimumWidth(2 * fontMetrics().horizontalAdvance(PrintingCaption) + TitleButtonsWidth);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(PrintingCaption, this));
    layout->addWidget(m_documentLabel);
    layout->addWidget(m_pageLabel);
    layout->addWidget(m_abandon, 0, Qt::AlignHCenter);
    connect(m_abandon, &QPushButton::clicked, this, &PrintProgressWindow::reject);
}

void PrintProgressWindow::start(const QString &documentName, const QString &printerName,
                                int pageCount)
{
    m_cancelled = false;
    m_pageCount = pageCount;
    m_documentLabel->setText(fillStrings(DocumentOnPrinter, {documentName, printerName}));
    show();
    QCoreApplication::processEvents();
}

void PrintProgressWindow::showPage(int pageNumber)
{
    QString text = PageOf;
    text.replace(QStringLiteral("%d"), QString::number(pageNumber));
    m_pageLabel->setText(text + QLatin1Char(' ') + QString::number(m_pageCount));
    // Lets a click on "Abandon" through between two pages.
    QCoreApplication::processEvents();
}

void PrintProgressWindow::finish()
{
    hide();
}

QString PrintProgressWindow::documentLine() const
{
    return m_documentLabel->text();
}

QString PrintProgressWindow::pageLine() const
{
    return m_pageLabel->text();
}

void PrintProgressWindow::reject()
{
    m_cancelled = true;
    m_abandon->setEnabled(false);
}

} // namespace virelai
