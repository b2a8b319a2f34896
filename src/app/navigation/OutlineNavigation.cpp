#include "OutlineNavigation.h"

#include "document/builders/BuildContext.h"
#include "document/builders/HelpPage.h"
#include "document/builders/OuvreFicPages.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace virelai {

OutlineNavigation::OutlineNavigation(const NavigationControls &controls, RequestState &request,
                                     Surface &VSPrinter1, TeacherMessages &messages,
                                     QObject *parent)
    : QObject(parent)
    , controls(controls)
    , request(request)
    , VSPrinter1(VSPrinter1)
    , messages(messages)
{
    setObjectName(QStringLiteral("navigation"));
    // A click of the user only: selecting a position from the program raises
    // no click, so the return to the first advice runs the selection once.
    connect(controls.Outline1, &QTreeWidget::itemClicked, this, &OutlineNavigation::Outline1_Click);
    for (QLabel *button : controls.Image2)
        button->installEventFilter(this);
    controls.Text1->viewport()->installEventFilter(this);
}

void OutlineNavigation::addEntry(const DocumentEntry &element)
{
    documentList.add(element);
    controls.Outline1->addTopLevelItem(new QTreeWidgetItem(QStringList {element.texte}));
}

void OutlineNavigation::rememberOrigin()
{
    if (request.TypeDoc == 0)
        return;
    request.IndOrigine = originPosition(documentList, request.TypeDoc);
    request.CasOrigine = request.CasSelect;
}

int OutlineNavigation::ListIndex() const
{
    QTreeWidgetItem *current = controls.Outline1->currentItem();
    return current ? controls.Outline1->indexOfTopLevelItem(current) : -1;
}

void OutlineNavigation::setListIndex(int index)
{
    QTreeWidgetItem *item = controls.Outline1->topLevelItem(index);
    if (item)
        controls.Outline1->setCurrentItem(item);
    else
        controls.Outline1->setCurrentItem(nullptr);
}

QString OutlineNavigation::List(int index) const
{
    QTreeWidgetItem *item = controls.Outline1->topLevelItem(index);
    return item ? item->text(0) : QString();
}

void OutlineNavigation::Outline1_Click()
{
    request.IndSelect = qint16(ListIndex() + 1);
    const std::optional<DocumentEntry> element = documentList.element(request.IndSelect);
    // Nothing selected, or an entry without element: nothing to show.
    if (!element)
        return;
    Q_EMIT captionChosen(entryCaption(element->Ltype, List(ListIndex())));
    ouvre_fic(request.IndSelect);
}

void OutlineNavigation::Image2_Click(qint16 Index)
{
    request.CasSelect = qint16(Index + 1);
    Outline1_Click();
}

void OutlineNavigation::Menuconseil_Click()
{
    setListIndex(request.IndOrigine - 1);
    request.CasSelect = request.CasOrigine;
    Outline1_Click();
}

void OutlineNavigation::Text1_Click()
{
    Menuconseil_Click();
}

void OutlineNavigation::ouvre_fic(qint16 IndSelect)
{
    if (request.TypeDoc >= 0)
        Q_EMIT adviceToCompose();
    else if (const std::optional<DocumentEntry> element = documentList.element(IndSelect))
        showStoredFile(*element);
}

void OutlineNavigation::showStoredFile(const DocumentEntry &element)
{
    const QString path = request.chemin + element.Fichier;
    if (!showStoredDocument(VSPrinter1, path, readHelpFileBytes))
        messages.MsgBox(unreadableFileMessage(path), QStringLiteral("Erreur"));
}

bool OutlineNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease
        || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    if (watched == controls.Text1->viewport()) {
        Text1_Click();
        return false;
    }
    for (qint16 i = 0; i < qint16(controls.Image2.size()); ++i)
        if (watched == controls.Image2[size_t(i)])
            Image2_Click(i);
    return false;
}

} // namespace virelai
