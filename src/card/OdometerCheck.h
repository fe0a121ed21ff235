#pragma once

#include <QString>

#include <optional>

// The kilometres a card's Salva may question: fewer than those stored, or more than a
// vehicle can run between the two readings. Texts are read as the clerk types them:
// digits with optional "." thousands separators, an optional "," fraction and an optional
// trailing "km", blanks allowed anywhere.
namespace OdometerCheck {

// The kilometres of a text; nothing when the text is no such number.
std::optional<double> readKilometres(const QString& text);

// The question Salva asks of the new reading against the stored one, or an empty text
// when it asks nothing. Either kilometre text unreadable asks nothing; so does a rise
// with either reading date unreadable.
QString question(const QString& storedKilometres, const QString& storedDate, const QString& newKilometres,
                 const QString& newDate);

// How many kilometres a day a vehicle may be read to have run.
constexpr double MostKilometresPerDay = 2000;

} // namespace OdometerCheck
