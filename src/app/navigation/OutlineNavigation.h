#pragma once

#include "app/navigation/DocumentList.h"
#include "common/RequestState.h"

#include <QObject>

#include <array>

class QLabel;
class QPlainTextEdit;
class QTreeWidget;

namespace virelai {

class Surface;
class TeacherMessages;

// The window's controls the navigation answers: the outline pane, the six case
// buttons and the legend box.
struct NavigationControls
{
    QTreeWidget *Outline1 = nullptr;
    std::array<QLabel *, 6> Image2 {};
    QPlainTextEdit *Text1 = nullptr;
};

// The four ways of showing a document again: an entry of the outline pane, a
// case button, the legend box and the return to the advice first requested.
// All end in the selection step, which sets the caption and calls ouvre_fic.
// The window owns the request state; the navigation changes its selection.
class OutlineNavigation : public QObject
{
    Q_OBJECT

public:
    OutlineNavigation(const NavigationControls &controls, RequestState &request,
                      Surface &VSPrinter1, TeacherMessages &messages, QObject *parent);

    // Adds an entry at the end of the outline and its element to the list.
    void addEntry(const DocumentEntry &element);
    const DocumentList &documents() const { return documentList; }

    // Remembers the request just decoded as the advice to return to.
    void rememberOrigin();

    // The selected outline position, from 0; -1 when nothing is selected.
    int ListIndex() const;
    // Selects a position without raising the outline's click.
    void setListIndex(int index);
    QString List(int index) const;

    void Outline1_Click();
    void Image2_Click(qint16 Index);
    void Menuconseil_Click();
    void Text1_Click();
    // Shows the document of outline position IndSelect (from 1).
    void ouvre_fic(qint16 IndSelect);

Q_SIGNALS:
    // The selection step chose an entry: the window takes this caption.
    void captionChosen(const QString &caption);
    // The advice page is to be composed again from the last build's texts.
    void adviceToCompose();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showStoredFile(const DocumentEntry &element);

    NavigationControls controls;
    RequestState &request;
    Surface &VSPrinter1;
    TeacherMessages &messages;
    DocumentList documentList;
};

} // namespace virelai
