#pragma once

#include "advice/DocumentBuilders.h"

namespace virelai {

// Stands in for the builders when only the choice matters (--dump-advice):
// remembers the name of the builder that was called, and builds nothing.
class DispatchRecorder : public DocumentBuilders
{
public:
    // "AffMoyenne", "AffProfil"... or "" when no builder was called.
    QString builder() const { return called; }

    void AffMoyenne() override { called = QStringLiteral("AffMoyenne"); }
    void AffProfil() override { called = QStringLiteral("AffProfil"); }
    void AffRevVit() override { called = QStringLiteral("AffRevVit"); }
    void AffCompGene() override { called = QStringLiteral("AffCompGene"); }
    void AffTypeComp() override { called = QStringLiteral("AffTypeComp"); }
    void AffAide(const QString &) override { called = QStringLiteral("AffAide"); }

private:
    QString called;
};

} // namespace virelai
