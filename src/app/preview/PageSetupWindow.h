#pragma once

#include <QDialog>
#include <QPageLayout>

#include <array>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace virelai {

// The surface's page set-up dialog, in French: the paper, the orientation and
// the four margins in millimetres. It offers nothing that the page would not
// follow (no pages per sheet, no page order).
class PageSetupWindow : public QDialog
{
    Q_OBJECT

public:
    // paperSizes: the choices offered; the layout's own paper is added if missing.
    PageSetupWindow(const QPageLayout &layout, QList<QPageSize> paperSizes,
                    QWidget *parent = nullptr);

    // The layout chosen, margins in millimetres.
    QPageLayout pageLayout() const;

    QComboBox *paperChoice() const { return m_paper; }
    // Left, right, top, bottom.
    const std::array<QDoubleSpinBox *, 4> &marginFields() const { return m_margins; }

private:
    QWidget *createPaperGroup(const QPageLayout &layout, const QList<QPageSize> &paperSizes);
    QWidget *createOrientationGroup(const QPageLayout &layout);
    QWidget *createMarginGroup(const QPageLayout &layout);

    QComboBox *m_paper = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    std::array<QDoubleSpinBox *, 4> m_margins {};
};

} // namespace virelai
