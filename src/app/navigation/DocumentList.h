#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace virelai {

// One entry of the outline pane and the document it stands for.
struct DocumentEntry
{
    QString texte; // the title the outline shows
    QString Fichier; // the stored document, relative to chemin
    qint16 nbCas = 0;
    qint16 Ltype = 0; // 1: chart-reading help; any other value: pedagogical suggestions
};

// The document list: element i (counted from 1) describes the outline entry at
// position i - 1. Nothing in the program fills it; it starts empty.
class DocumentList
{
public:
    void add(const DocumentEntry &element) { elements.append(element); }
    qsizetype count() const { return elements.size(); }
    // Nothing when position i has no element (0, negative, or past the end).
    std::optional<DocumentEntry> element(int i) const;

private:
    QList<DocumentEntry> elements;
};

// The window caption after choosing an entry of kind Ltype titled texte.
QString entryCaption(qint16 Ltype, const QString &texte);

// The outline position of the advice first requested: the entry of the
// request's document type when the list has one, else 0 (none).
qint16 originPosition(const DocumentList &documents, qint16 TypeDoc);

} // namespace virelai
