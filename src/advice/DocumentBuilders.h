#pragma once

#include <QString>

namespace virelai {

// The page builders that InitAppli dispatches to, one per kind of document.
// Each reads the request state and the advice texts itself.
class DocumentBuilders
{
public:
    virtual ~DocumentBuilders() = default;
    virtual void AffMoyenne() = 0;
    virtual void AffProfil() = 0;
    virtual void AffRevVit() = 0;
    virtual void AffCompGene() = 0;
    virtual void AffTypeComp() = 0;
    virtual void AffAide(const QString &Fichier) = 0;
};

} // namespace virelai
