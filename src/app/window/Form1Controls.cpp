// Creation of the window's controls with their settings at creation.
#include "Form1.h"

#include "app/preview/PreviewWidget.h"
#include "app/window/PageShownTiming.h"
#include "app/window/WindowPictures.h"
#include "document/surface/Surface.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace virelai {

namespace {

const QColor WindowBackground(0xC0, 0xC0, 0xC0);
const QColor LegendBackground(0, 0, 255);
const QColor LegendTextColor(192, 0, 0);

constexpr std::array<float, 6> Image2Left {2625, 3675, 4725, 5760, 6795, 7830};
constexpr ControlGeometry TChart1Creation {855, 1110, 6150, 4575};
constexpr std::array<ControlGeometry, 2> Image1Creation {
    {{4350, 5835, 480, 480}, {4860, 5940, 480, 480}}};
constexpr float InnerWidth = 9600;
constexpr float InnerHeight = 7395;

QString legendText()
{
    return QStringLiteral("Elément d'origine affiché\r\nVirelai\r\nMoyenne de la classe\r\n");
}

void setBackground(QWidget *widget, const QColor &background, const QColor &text = Qt::black)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *pictureControl(QWidget *inner, const QString &name, const QPixmap &picture)
{
    auto *label = new QLabel(inner);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setScaledContents(true);
    return label;
}

} // namespace

void Form1::createControls()
{
    // The program's own drawing: QWidget::windowIcon() would be the empty default.
    setWindowIcon(virelai::windowIcon());
    menuBar(); // menus are added by the menu commands
    auto *inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("inner"));
    setBackground(inner, WindowBackground);
    setCentralWidget(inner);
    // Image controls are painted on the background, beneath every pane.
    createPictureControls(inner);
    createPanes(inner);
    // Only once every control exists: the filter looks at all of them.
    inner->installEventFilter(this);
    Outline1->viewport()->installEventFilter(this);
    Command1->installEventFilter(this);
}

void Form1::createPictureControls(QWidget *inner)
{
    for (int i = 0; i < 6; ++i) {
        ImageAct[size_t(i)] = casePicture(i + 1, true);
        ImageInact[size_t(i)] = casePicture(i + 1, false);
    }
    const QCursor hand = handCursor();
    for (int i = 0; i < 6; ++i) {
        const QPixmap &look = i == 2 ? ImageAct[size_t(i)] : ImageInact[size_t(i)];
        QLabel *button = pictureControl(inner, QStringLiteral("Image2_%1").arg(i), look);
        button->setCursor(hand);
        button->setGeometry(toPixels({Image2Left[size_t(i)], 0, 780, 360}));
        Image2[size_t(i)] = button;
    }
    const std::array<QPixmap, 2> icons {lightBulbIcon(), pencilIcon()};
    for (int i = 0; i < 2; ++i) {
        Image1[size_t(i)]
            = pictureControl(inner, QStringLiteral("Image1_%1").arg(i), icons[size_t(i)]);
        Image1[size_t(i)]->setGeometry(toPixels(Image1Creation[size_t(i)]));
    }
}

// Created bottom first, so that each pane covers the ones before it:
// Outline1, Text1, VSPrinter1, Command1, TChart1.
void Form1::createPanes(QWidget *inner)
{
    Outline1 = new QTreeWidget(inner);
    Outline1->setObjectName(QStringLiteral("Outline1"));
    Outline1->setHeaderHidden(true);
    Outline1->setFont(QFont(QStringLiteral("MS Sans Serif")));
    Outline1->viewport()->setAcceptDrops(true);

    Text1 = new QPlainTextEdit(inner);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setPlainText(legendText());
    Text1->setReadOnly(true);
    setBackground(Text1, LegendBackground, LegendTextColor);
    Text1->viewport()->setCursor(handCursor());
    focusWhenUncovered = {{Outline1, Outline1->focusPolicy()}, {Text1, Text1->focusPolicy()}};

    VSPrinter1 = new Surface(this);
    VSPrinter1->setObjectName(QStringLiteral("VSPrinter1"));
    VSPrinter1Preview = new PreviewWidget(*VSPrinter1, inner);
    VSPrinter1Preview->setObjectName(QStringLiteral("VSPrinter1"));
    VSPrinter1Preview->setFocus();
    PageShownTiming::installIfRequested(*VSPrinter1, *VSPrinter1Preview);
    connect(VSPrinter1Preview, &PreviewWidget::controlDropped, this,
            [this](QObject *, const QPoint &position) {
                const QPointF drop = toTwips(position);
                VSPrinter1_DragDrop(float(drop.x()), float(drop.y()));
            });

    Command1 = new QPushButton(inner);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setCursor(columnCursor());
    Command1->setEnabled(false);
    Command1->setVisible(false);

    TChart1 = new QWidget(inner);
    TChart1->setObjectName(QStringLiteral("TChart1"));
    TChart1->setGeometry(toPixels(TChart1Creation));
    TChart1->setVisible(false);
}

void Form1::setInitialInnerSize()
{
    const QRect inner = toPixels({0, 0, InnerWidth, InnerHeight});
    resize(inner.size());
    layout()->activate();
    const QSize missing = inner.size() - centralWidget()->size();
    resize(size() + missing);
    layout()->activate();
}

} // namespace virelai
