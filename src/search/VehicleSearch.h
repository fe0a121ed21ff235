#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Search of the archive by parts of words, one criterion per field.
namespace VehicleSearch {
using V = TSchedaVeicolo;

constexpr int CriterionCount = 10;
// The fields the ten criteria boxes test, in the order they are tested.
inline constexpr std::array<QString V::*, CriterionCount> CriterionFields = {
    &V::Tipo,  &V::Destinazione, &V::Marca,     &V::Modello,      &V::Targa,
    &V::Stato, &V::Autista,      &V::Meccanico, &V::Proprietario, &V::Note,
};

// The criteria as typed, untrimmed, in the order of CriterionFields.
using Criteria = std::array<QString, CriterionCount>;

// N: the criteria that hold more than blanks and control characters.
int givenCount(const Criteria& criteria);

// Scores a vehicle: one point for each criterion found as a contiguous part of its field,
// A to Z folded and nothing else (è and È differ). A criterion is used as typed, blanks
// included; an empty one scores nowhere, one of blanks alone scores where its field
// holds those blanks although it does not count in N.
class Matcher {
public:
    explicit Matcher(const Criteria& criteria);

    int given() const { return m_given; }
    int score(const V& vehicle) const;
    // score >= N, deciding from the fields in the record's bytes (RecordSize of them) and
    // decoding only the fields of the criteria given.
    bool matches(QByteArrayView record) const;

private:
    struct Criterion {
        QString folded;
        StoredField place;
        QString V::*field;
    };
    std::vector<Criterion> m_criteria; // the non-empty ones
    int m_given;
};

struct Result {
    QStringList lines; // sorted
    int given = 0;     // N
    bool failed = false;
    QString error; // why the archive failed, for the record; the window shows its message
};

// Reads the archive of programFolder (created empty when missing) and lists the line of
// every vehicle scoring at least N; with no criteria, every vehicle.
Result search(const QString& programFolder, const Criteria& criteria);

struct Recalled {
    int position = 0; // 1-based; 0 when no vehicle gives the line
    V vehicle;
    QByteArray stored; // the bytes it was decoded from
};

// The vehicle whose search line, trimmed, is the given line, trimmed; of several, the last
// in the archive. Throws FileAccessError when the archive fails.
Recalled recall(const QString& programFolder, const QString& line);
} // namespace VehicleSearch
