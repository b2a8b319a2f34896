#pragma once

#include "app/navigation/DocumentList.h"

#include <QObject>

namespace virelai {

class Form1;
class TeacherMessages;

// The four ways of showing a document again: an entry of the outline pane, a
// case button, the legend box and the return to the advice first requested.
// All end in the selection step, which sets the caption and calls ouvre_fic.
class OutlineNavigation : public QObject
{
    Q_OBJECT

public:
    OutlineNavigation(Form1 &form, TeacherMessages &messages);

    // Adds an entry at the end of the outline and its element to the list.
    void ajouterEntree(const ElementDocument &element);
    const DocumentList &documents() const { return documentList; }

    // Remembers the request just decoded as the advice to return to.
    void retenirOrigine();

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

    // Where a stored document that cannot be read is reported; tests answer here.
    TeacherMessages *messages;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void recomposer();
    void montrerFichier(const ElementDocument &element);

    Form1 &form;
    DocumentList documentList;
};

} // namespace virelai
