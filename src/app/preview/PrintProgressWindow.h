#pragma once

#include "PrintProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace virelai {

// The small window shown while the document goes to the printer; "Abandon"
// stops printing after the page being sent.
class PrintProgressWindow : public QDialog, public PrintProgress
{
    Q_OBJECT

public:
    explicit PrintProgressWindow(QWidget *parent = nullptr);

    void start(const QString &documentName, const QString &printerName, int pageCount) override;
    void showPage(int pageNumber) override;
    bool cancelled() const override { return m_cancelled; }
    void finish() override;

    QString documentLine() const;
    QString pageLine() const;
    QPushButton *abandonButton() const { return m_abandon; }

protected:
    void reject() override;

private:
    QLabel *m_documentLabel;
    QLabel *m_pageLabel;
    QPushButton *m_abandon;
    int m_pageCount = 0;
    bool m_cancelled = false;
};

} // namespace virelai
