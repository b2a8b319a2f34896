#include "DataGraph.h"

#include "FieldCursor.h"
#include "app/NumericReading.h"

#include <array>
#include <cmath>
#include <limits>

namespace virelai {

namespace {

const QString kTooLong = QStringLiteral(
    "Données des graphiques refusées : le texte du presse-papiers fait 32 766 caractères ou plus.");
const QString kNotWhole
    = QStringLiteral("Données des graphiques refusées : le nombre de graphiques, "
                     "de séries ou de points n'est pas un nombre entier positif.");
const QString kTooManyCharts
    = QStringLiteral("Données des graphiques refusées : plus de 64 graphiques sont annoncés.");
const QString kEmptyCharts = QStringLiteral(
    "Données des graphiques refusées : les graphiques annoncés n'ont aucune série ou aucun point.");
const QString kTooManySlots = QStringLiteral("Données des graphiques refusées : plus de 50 valeurs "
                                             "par graphique (séries × points).");
const QString kBadColour = QStringLiteral(
    "Données des graphiques refusées : une composante de couleur sort de l'intervalle 0 à 255.");

// A count: a whole decimal number that fits 16 bits, blanks around it allowed.
std::optional<qint16> readCount(QStringView field)
{
    const QStringView digits = field.trimmed();
    bool ok = false;
    const int value = digits.toInt(&ok, 10);
    if (!ok || value < std::numeric_limits<qint16>::min()
        || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

// Values are held as 32-bit floats; out-of-range readings become infinities
// explicitly rather than through an undefined narrowing.
float toFloat(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::infinity();
    if (value < -largest)
        return -std::numeric_limits<float>::infinity();
    return float(value);
}

class DataGraphReader
{
public:
    explicit DataGraphReader(const QString &text)
        : cursor(text)
    { }

    DataGraphReading read();

private:
    QString readCounts();
    QString checkCounts() const;
    QString readChart();
    QString readSerie(int m, GraphBlock &chart);
    void readValues(int firstSlot);
    QString readColour();
    void readLabels(int firstSlot);
    void readText(QChar delimiter, QString &field);

    FieldCursor cursor;
    DataGraph data;
    // Slots 1..50 of both tables, kept from series to series and chart to chart.
    std::array<float, kDataGraphSlots> values {};
    std::array<QString, kDataGraphSlots> labels;
    QString titreGraph;
    QString nomSerie;
    std::array<int, 3> rgb {};
};

DataGraphReading DataGraphReader::read()
{
    QString erreur = readCounts();
    if (erreur.isEmpty())
        erreur = checkCounts();
    for (int k = 1; erreur.isEmpty() && k <= data.nbGraph; ++k)
        erreur = readChart();
    if (!erreur.isEmpty())
        return {DataGraph {}, erreur};
    return {data, QString()};
}

QString DataGraphReader::readCounts()
{
    std::array<qint16 *, 3> counts {&data.nbGraph, &data.nbSerie, &data.nbPoint};
    const std::array<QChar, 3> delimiters {u'|', u'|', u'{'};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::optional<QStringView> field = cursor.next(delimiters[i]);
        if (!field)
            continue;
        const std::optional<qint16> count = readCount(*field);
        if (!count)
            return kNotWhole;
        *counts[i] = *count;
    }
    return QString();
}

QString DataGraphReader::checkCounts() const
{
    if (data.nbGraph < 0)
        return kNotWhole;
    if (data.nbGraph > kMaxCharts)
        return kTooManyCharts;
    if (data.nbGraph == 0)
        return QString();
    if (data.nbSerie < 1 || data.nbPoint < 1)
        return kEmptyCharts;
    if (int(data.nbSerie) * int(data.nbPoint) > kDataGraphSlots)
        return kTooManySlots;
    return QString();
}

QString DataGraphReader::readChart()
{
    readText(u'}', titreGraph);
    GraphBlock chart;
    chart.titreGraph = titreGraph;
    for (int m = 1; m <= data.nbSerie; ++m) {
        const QString erreur = readSerie(m, chart);
        if (!erreur.isEmpty())
            return erreur;
    }
    data.charts.push_back(std::move(chart));
    return QString();
}

QString DataGraphReader::readSerie(int m, GraphBlock &chart)
{
    const int firstSlot = (m - 1) * data.nbPoint;
    readText(u'}', nomSerie);
    readValues(firstSlot);
    const QString erreur = readColour();
    if (!erreur.isEmpty())
        return erreur;
    readLabels(firstSlot);

    SerieBlock serie;
    serie.nomSerie = nomSerie;
    serie.couleur = quint32(rgb[0] + 256 * rgb[1] + 65536 * rgb[2]);
    serie.valeurs.assign(values.begin() + firstSlot, values.begin() + firstSlot + data.nbPoint);
    serie.libelles.assign(labels.begin() + firstSlot, labels.begin() + firstSlot + data.nbPoint);
    chart.series.push_back(std::move(serie));
    return QString();
}

void DataGraphReader::readValues(int firstSlot)
{
    for (int p = 1; p <= data.nbPoint; ++p) {
        const std::optional<QStringView> field = cursor.next(p < data.nbPoint ? u',' : u'}');
        if (field)
            values[std::size_t(firstSlot + p - 1)] = toFloat(Val(*field));
    }
}

QString DataGraphReader::readColour()
{
    const std::array<QChar, 3> delimiters {u',', u',', u'}'};
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const std::optional<QStringView> field = cursor.next(delimiters[i]);
        if (!field)
            continue;
        const double component = roundHalfEven(Val(*field));
        if (!(component >= 0.0 && component <= 255.0))
            return kBadColour;
        rgb[i] = int(component);
    }
    return QString();
}

void DataGraphReader::readLabels(int firstSlot)
{
    for (int p = 1; p <= data.nbPoint; ++p)
        readText(p < data.nbPoint ? u',' : u'}', labels[std::size_t(firstSlot + p - 1)]);
}

void DataGraphReader::readText(QChar delimiter, QString &field)
{
    if (const std::optional<QStringView> text = cursor.next(delimiter))
        field = text->toString();
}

} // namespace

DataGraphReading readDataGraph(const QString &text)
{
    if (text.size() > kMaxChartTextLength)
        return {DataGraph {}, kTooLong};
    return DataGraphReader(text).read();
}

} // namespace virelai
