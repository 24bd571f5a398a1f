#pragma once
// What every timed operation shares: the generated full base, its file, a
// scripted platform and the error policy.
#include "base/Tables.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

struct Contexte {
    std::unique_ptr<Tables> generee = std::make_unique<Tables>(); // the generated full base
    std::unique_ptr<Tables> tables = std::make_unique<Tables>();  // what the operations work on
    QByteArray octets;    // the full base file, as written
    QTemporaryDir dossier;
    QString cheminBase;   // the full base file in the temporary folder
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique{plateforme};
};
