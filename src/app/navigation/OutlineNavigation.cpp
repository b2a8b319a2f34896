#include "OutlineNavigation.h"

#include "app/window/Form1.h"
#include "document/builders/DocumentSession.h"
#include "document/builders/HelpPage.h"
#include "document/builders/OuvreFicPages.h"
#include "document/metafile/MetafilePicture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace virelai {

OutlineNavigation::OutlineNavigation(Form1 &form, TeacherMessages &messages)
    : QObject(&form)
    , messages(&messages)
    , form(form)
{
    setObjectName(QStringLiteral("navigation"));
    // A click of the user only: selecting a position from the program raises
    // no click, so the return to the first advice runs the selection once.
    connect(form.Outline1, &QTreeWidget::itemClicked, this, &OutlineNavigation::Outline1_Click);
    for (QLabel *button : form.Image2)
        button->installEventFilter(this);
    form.Text1->viewport()->installEventFilter(this);
}

void OutlineNavigation::ajouterEntree(const ElementDocument &element)
{
    documentList.ajouter(element);
    form.Outline1->addTopLevelItem(new QTreeWidgetItem(QStringList {element.texte}));
}

void OutlineNavigation::retenirOrigine()
{
    RequestState &request = form.request;
    if (request.TypeDoc == 0)
        return;
    request.IndOrigine = positionOrigine(documentList, request.TypeDoc);
    request.CasOrigine = request.CasSelect;
}

int OutlineNavigation::ListIndex() const
{
    QTreeWidgetItem *current = form.Outline1->currentItem();
    return current ? form.Outline1->indexOfTopLevelItem(current) : -1;
}

void OutlineNavigation::setListIndex(int index)
{
    QTreeWidgetItem *item = form.Outline1->topLevelItem(index);
    if (item)
        form.Outline1->setCurrentItem(item);
    else
        form.Outline1->setCurrentItem(nullptr);
}

QString OutlineNavigation::List(int index) const
{
    QTreeWidgetItem *item = form.Outline1->topLevelItem(index);
    return item ? item->text(0) : QString();
}

void OutlineNavigation::Outline1_Click()
{
    RequestState &request = form.request;
    request.IndSelect = qint16(ListIndex() + 1);
    const std::optional<ElementDocument> element = documentList.element(request.IndSelect);
    // Nothing selected, or an entry without element: nothing to show.
    if (!element)
        return;
    form.setWindowTitle(legendeEntree(element->Ltype, List(ListIndex())));
    ouvre_fic(request.IndSelect);
}

void OutlineNavigation::Image2_Click(qint16 Index)
{
    form.request.CasSelect = qint16(Index + 1);
    Outline1_Click();
}

void OutlineNavigation::Menuconseil_Click()
{
    setListIndex(form.request.IndOrigine - 1);
    form.request.CasSelect = form.request.CasOrigine;
    Outline1_Click();
}

void OutlineNavigation::Text1_Click()
{
    Menuconseil_Click();
}

void OutlineNavigation::ouvre_fic(qint16 IndSelect)
{
    if (form.request.TypeDoc >= 0)
        recomposer();
    else if (const std::optional<ElementDocument> element = documentList.element(IndSelect))
        montrerFichier(*element);
}

void OutlineNavigation::recomposer()
{
    // No request decoded yet: there are no texts to compose from.
    if (!form.documentSession())
        return;
    const DocumentSession &session = *form.documentSession();
    const RequestState &request = form.request;
    recomposerConseil(*form.VSPrinter1,
                      ConseilARecomposer {session.texts(), request.TypeDoc, request.NumVersion,
                                          session.picturesDirectory(), session.chartsOfLastBuild(),
                                          metafilePictureFromBytes, form.footerClock()});
    form.repaintWindow();
}

void OutlineNavigation::montrerFichier(const ElementDocument &element)
{
    const QString path = form.request.chemin + element.Fichier;
    if (!montrerDocumentStocke(*form.VSPrinter1, path, readHelpFileBytes))
        messages->MsgBox(messageFichierIllisible(path), QStringLiteral("Erreur"));
}

bool OutlineNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease
        || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    if (watched == form.Text1->viewport()) {
        Text1_Click();
        return false;
    }
    for (qint16 i = 0; i < qint16(form.Image2.size()); ++i)
        if (watched == form.Image2[size_t(i)])
            Image2_Click(i);
    return false;
}

} // namespace virelai
