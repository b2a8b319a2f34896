#include "PageSetupWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace virelai {

namespace {

// Larger than any paper offered: whether the page keeps room to print is
// checked once the dialog is accepted, with a message that says why.
constexpr double LargestMargin = 500;

QDoubleSpinBox *marginField(double millimetres, QWidget *parent)
{
    auto *field = new QDoubleSpinBox(parent);
    field->setRange(0, LargestMargin);
    field->setDecimals(1);
    field->setSuffix(QStringLiteral(" mm"));
    // A decimal comma, whatever the desktop's settings.
    field->setLocale(QLocale(QLocale::French, QLocale::France));
    field->setValue(millimetres);
    return field;
}

} // namespace

PageSetupWindow::PageSetupWindow(const QPageLayout &layout, QList<QPageSize> paperSizes,
                                 QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Mise en page"));
    if (!paperSizes.contains(layout.pageSize()))
        paperSizes.prepend(layout.pageSize());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *column = new QVBoxLayout(this);
    column->addWidget(createPaperGroup(layout, paperSizes));
    column->addWidget(createOrientationGroup(layout));
    column->addWidget(createMarginGroup(layout));
    column->addWidget(buttons);
}

QWidget *PageSetupWindow::createPaperGroup(const QPageLayout &layout,
                                           const QList<QPageSize> &paperSizes)
{
    auto *group = new QGroupBox(QStringLiteral("Papier"), this);
    auto *form = new QFormLayout(group);
    m_paper = new QComboBox(group);
    for (const QPageSize &size : paperSizes)
        m_paper->addItem(size.name(), QVariant::fromValue(size));
    m_paper->setCurrentIndex(int(paperSizes.indexOf(layout.pageSize())));
    form->addRow(QStringLiteral("&Format :"), m_paper);
    return group;
}

QWidget *PageSetupWindow::createOrientationGroup(const QPageLayout &layout)
{
    auto *group = new QGroupBox(QStringLiteral("Orientation"), this);
    auto *row = new QVBoxLayout(group);
    m_portrait = new QRadioButton(QStringLiteral("P&ortrait"), group);
    m_landscape = new QRadioButton(QStringLiteral("P&aysage"), group);
    row->addWidget(m_portrait);
    row->addWidget(m_landscape);
    (layout.orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)->setChecked(true);
    return group;
}

QWidget *PageSetupWindow::createMarginGroup(const QPageLayout &layout)
{
    auto *group = new QGroupBox(QStringLiteral("Marges"), this);
    auto *form = new QFormLayout(group);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    const std::array<double, 4> values {margins.left(), margins.right(), margins.top(),
                                        margins.bottom()};
    const std::array<QString, 4> labels {QStringLiteral("&Gauche :"), QStringLiteral("&Droite :"),
                                         QStringLiteral("&Haut :"), QStringLiteral("&Bas :")};
    for (size_t side = 0; side < m_margins.size(); ++side) {
        m_margins[side] = marginField(values[side], group);
        form->addRow(labels[side], m_margins[side]);
    }
    return group;
}

QPageLayout PageSetupWindow::pageLayout() const
{
    const QMarginsF margins(m_margins[0]->value(), m_margins[2]->value(), m_margins[1]->value(),
                            m_margins[3]->value());
    QPageLayout layout(m_paper->currentData().value<QPageSize>(),
                       m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Millimeter);
    // Margins as typed, even those that leave no room: the caller judges them.
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(margins);
    return layout;
}

} // namespace virelai
