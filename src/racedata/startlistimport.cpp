#include "racedata/startlistimport.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <optional>

#include "platform/textfile.h"
#include "racedata/streck.h"

namespace {

const QString GameMarker = QStringLiteral("Välj spel");
const QString RaceMarkerWord = QStringLiteral("Avdelning ");
const QChar Tab = QLatin1Char('\t');
const QChar Bullet = QChar(0x2022);
const QString ScratchedOdds = QStringLiteral("EJ");

const QString WrongCopyText = QStringLiteral("Märk rätt avd med ctrl+A och välj sedan ctrl+C");
const QString NoPoolText = QStringLiteral("Hittar inte V65/V64.");
const QString WrongRaceText = QStringLiteral("Fel avdelning.");
const QString NoHorseText = QStringLiteral("Ingen häst hittades i avd %1.");
const QString SimpleListText = QStringLiteral("Strukna hästar markeras inte när du har valt Enkel lista.");
const QString FirefoxSimpleListText =
    QStringLiteral("Med Firefox får man anpassa startlistan till något annat än Enkel lista.");

// A pasted line is read up to this many characters.
constexpr qsizetype MaxLineLength = 4096;
// The largest whole part a streck or odds text may hold.
constexpr qint64 MaxWholePart = 999999999;
constexpr int32 MaxStreck = 100;
constexpr qint64 LargestInt32 = std::numeric_limits<int32>::max();

// The pasted text as lines: reading before the first or after the last line gives empty text.
class PageLines {
public:
    explicit PageLines(const QString& text) : lines_(SplitTextLines(text))
    {
        for (QString& line : lines_)
            if (line.size() > MaxLineLength)
                line.truncate(MaxLineLength);
    }
    int count() const { return static_cast<int>(lines_.size()); }
    QString at(int i) const { return i >= 0 && i < count() ? lines_.at(i) : QString(); }
    // The first line in [from, end) for which test holds, or -1.
    template <typename Test>
    int find(int from, int end, Test test) const
    {
        for (int i = std::max(from, 0); i < std::min(end, count()); ++i)
            if (test(lines_.at(i)))
                return i;
        return -1;
    }
    int findEqual(int from, int end, const QString& text) const
    {
        return find(from, end, [&text](const QString& line) { return line == text; });
    }

private:
    QStringList lines_;
};

QString RaceMarker(int race)
{
    return RaceMarkerWord + QString::number(race) + QLatin1Char(',');
}

// A race marker of any race: "Avdelning ", decimal digits, ",".
bool IsAnyRaceMarker(const QString& line)
{
    if (!line.startsWith(RaceMarkerWord) || !line.endsWith(QLatin1Char(',')))
        return false;
    const QStringView digits = QStringView(line).mid(RaceMarkerWord.size()).chopped(1);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Where the race's lines end: at the next race marker of another race, or at the end.
int RaceEnd(const PageLines& lines, int raceLine)
{
    const QString own = lines.at(raceLine);
    const int next = lines.find(raceLine + 1, lines.count(),
                                [&own](const QString& line) { return line != own && IsAnyRaceMarker(line); });
    return next < 0 ? lines.count() : next;
}

QString WithoutLastCharacter(const QString& text)
{
    return text.left(std::max<qsizetype>(text.size() - 1, 0));
}

// The text between the first TAB and the next one, or to the end when no other TAB follows.
QString SecondField(const QString& line)
{
    const qsizetype first = line.indexOf(Tab);
    if (first < 0)
        return QString();
    const qsizetype second = line.indexOf(Tab, first + 1);
    return second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1);
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0);
}

// A number with an optional decimal comma: blanks around it, an optional sign, digits with at
// most one comma, at least one digit.
struct DecimalNumber {
    bool negative = false;
    qint64 whole = 0;
    QString fraction;  // the digits after the comma
};

std::optional<DecimalNumber> ParseCommaDecimal(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    DecimalNumber number;
    if (begin < end && (text.at(begin) == QLatin1Char('-') || text.at(begin) == QLatin1Char('+'))) {
        number.negative = text.at(begin) == QLatin1Char('-');
        ++begin;
    }
    bool comma = false, digit = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',') && !comma) {
            comma = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digit = true;
            if (comma) {
                number.fraction.append(c);
            } else {
                number.whole = number.whole * 10 + (c.unicode() - '0');
                if (number.whole > MaxWholePart)
                    return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    return number;
}

bool IsZeroDigits(QStringView digits)
{
    for (const QChar c : digits)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

// Rounded half up, or half to even: the whole part, one more when the fraction says so.
qint64 RoundedHalfUp(const DecimalNumber& n)
{
    return n.whole + (!n.fraction.isEmpty() && n.fraction.at(0) >= QLatin1Char('5') ? 1 : 0);
}

qint64 RoundedHalfEven(const DecimalNumber& n)
{
    if (n.fraction.isEmpty() || n.fraction.at(0) < QLatin1Char('5'))
        return n.whole;
    const bool exactHalf =
        n.fraction.at(0) == QLatin1Char('5') && IsZeroDigits(QStringView(n.fraction).mid(1));
    return n.whole + (exactHalf ? n.whole % 2 : 1);
}

// The number in hundredths: the first two digits after the comma join the whole part.
DecimalNumber InHundredths(DecimalNumber n)
{
    for (int digit = 0; digit < 2; ++digit) {
        const int next = n.fraction.isEmpty() ? 0 : n.fraction.at(0).unicode() - '0';
        n.whole = n.whole * 10 + next;
        n.fraction.remove(0, 1);
    }
    return n;
}

// A streck outside 0-100 is not a streck and counts as none.
int32 StreckOrZero(const std::optional<DecimalNumber>& number, qint64 (*rounded)(const DecimalNumber&))
{
    if (!number || number->negative)
        return 0;
    const qint64 value = rounded(*number);
    return value <= MaxStreck ? static_cast<int32>(value) : 0;
}

QString PercentText(int32 value)
{
    return QString::number(value) + QLatin1Char('%');
}

// The working state of one run.
struct Reading {
    const PageLines& lines;
    StartListState state;
    QString message;
};

void ClearRace(StartListState& state)
{
    for (int h = 1; h <= StartNumbers; ++h) {
        StartListHorse& horse = state.horses[h];
        horse.streckText.clear();
        horse.oddsText.clear();
        horse.streck = horse.odds = 0;
        horse.scratched = horse.present = false;
    }
}

void SetNameAndDriver(StartListHorse& horse, int startNr, const QString& name, const QString& driver)
{
    horse.name = QString::number(startNr) + QLatin1Char(' ') + name;
    horse.driver = driver;
    horse.present = true;
}

void SetOdds(StartListHorse& horse, const QString& oddsText)
{
    horse.oddsText = oddsText;
    horse.odds = OddsValueOf(oddsText);
    horse.scratched = oddsText == ScratchedOdds;
}

// Chrome: heading three lines and the title seven and nine lines below the race marker.
// Returns the line of the header's end, where the horse search starts.
int ReadChromeHeader(Reading& reading, int raceLine)
{
    reading.state.heading = reading.lines.at(raceLine + 3);
    reading.state.raceTitle =
        reading.lines.at(raceLine + 7) + QStringLiteral("  ") + reading.lines.at(raceLine + 9).left(4);
    return raceLine + 9;
}

// Chrome: one block per start number, found by the line that holds only the number. Returns
// the number of horses read.
int ReadChromeHorses(Reading& reading, int cursor, int end)
{
    const PageLines& lines = reading.lines;
    int read = 0;
    for (int t = 1; t <= StartNumbers && cursor < lines.count(); ++t) {
        const int numberLine = lines.findEqual(cursor + 1, end, QString::number(t));
        if (numberLine < 0)
            break;
        StartListHorse& horse = reading.state.horses[t];
        const bool fullList = lines.at(numberLine + 2).isEmpty();
        if (!fullList && t == 1)
            reading.message = SimpleListText;
        const int driverLine = numberLine + (fullList ? 3 : 2);
        SetNameAndDriver(horse, t, lines.at(numberLine + 1), lines.at(driverLine));
        cursor = driverLine + 2;
        if (lines.at(cursor).startsWith(QLatin1Char('(')))
            cursor += 2;
        const QString streckLine = lines.at(cursor);
        if (fullList) {
            const qsizetype tab = streckLine.indexOf(Tab);
            horse.streckText = tab < 0 ? QString() : streckLine.left(tab);
            SetOdds(horse, SecondField(streckLine));
        } else {
            horse.streckText = WithoutLastCharacter(streckLine);
        }
        const StreckReading streck = ReadChromeStreck(horse.streckText, horse.scratched);
        horse.streck = streck.value;
        horse.streckText = streck.text;
        ++read;
    }
    return read;
}

// Firefox: "heading • any • title part 1 • title part 2 • ..." two lines below the marker.
void ReadFirefoxHeader(Reading& reading, int raceLine)
{
    QString header = reading.lines.at(raceLine + 2);
    const qsizetype first = header.indexOf(Bullet);
    reading.state.heading = first < 0 ? QString() : header.left(first);
    for (int skip = 0; skip < 2; ++skip) {
        const qsizetype bullet = header.indexOf(Bullet);
        if (bullet >= 0)
            header.remove(0, bullet + 1);
    }
    const qsizetype partEnd = header.indexOf(Bullet);
    const QString part1 = partEnd < 0 ? QString() : header.left(partEnd);
    if (partEnd >= 0)
        header.remove(0, partEnd + 1);
    const qsizetype part2End = header.indexOf(Bullet);
    const QString part2 = part2End < 0 ? QString() : header.left(std::max<qsizetype>(part2End - 5, 0));
    reading.state.raceTitle = part1 + QStringLiteral("  ") + part2;
}

bool IsFirefoxHorseLine(const QString& line)
{
    return line.size() > 10 && line.contains(QLatin1Char('%'));
}

// Firefox: one line per horse, numbered in the order found, with the name and the driver a
// few lines above it. Returns the number of horses read.
int ReadFirefoxHorses(Reading& reading, int raceLine, int end)
{
    const PageLines& lines = reading.lines;
    int cursor = raceLine, read = 0;
    for (int t = 1; t <= StartNumbers; ++t) {
        cursor = lines.find(cursor + 1, end, IsFirefoxHorseLine);
        if (cursor < 0)
            break;
        StartListHorse& horse = reading.state.horses[t];
        const QString fields = lines.at(cursor).mid(1);
        const qsizetype tab = fields.indexOf(Tab);
        const StreckReading streck =
            ReadFirefoxStreck(tab < 0 ? QString() : WithoutLastCharacter(fields.left(tab)));
        horse.streck = streck.value;
        horse.streckText = streck.text;
        SetOdds(horse, SecondField(fields));
        const int above = lines.at(cursor - 1).size() <= 2 ? 0 : 1;
        SetNameAndDriver(horse, t, lines.at(cursor - 4 - above), lines.at(cursor - 2 - above));
        ++read;
        if (lines.count() - 1 - cursor < 5)
            break;
    }
    return read;
}

StartListImport Refused(const StartListState& current, const QString& message)
{
    return StartListImport{false, current, message};
}

}  // namespace

StreckReading ReadChromeStreck(const QString& streckText, bool scratched)
{
    const int32 value = StreckOrZero(ParseCommaDecimal(WithoutLastCharacter(streckText)), RoundedHalfUp);
    if (streckText.size() <= 3)
        return {scratched ? 0 : value, streckText};
    return {value, PercentText(value)};
}

StreckReading ReadFirefoxStreck(const QString& field)
{
    const int32 value = StreckOrZero(ParseCommaDecimal(field), RoundedHalfEven);
    return {value, PercentText(value)};
}

int32 OddsValueOf(const QString& oddsText)
{
    const std::optional<DecimalNumber> number = ParseCommaDecimal(oddsText);
    if (!number || number->negative)
        return 0;
    return static_cast<int32>(RoundedHalfEven(*number));
}

int32 OddsHundredthsOf(const QString& oddsText)
{
    const std::optional<DecimalNumber> number = ParseCommaDecimal(oddsText);
    if (!number || number->negative)
        return 0;
    return static_cast<int32>(std::min<qint64>(RoundedHalfEven(InHundredths(*number)), LargestInt32));
}

StartListImport ImportStartList(const QString& text, int race, const StartListState& current)
{
    const PageLines lines(text);
    if (race < 1 || race > 6)
        return Refused(current, QString());
    const int gameLine = lines.findEqual(1, lines.count(), GameMarker);
    if (gameLine < 0)
        return Refused(current, WrongCopyText);
    const int poolLine = lines.find(gameLine + 1, lines.count(), [](const QString& line) {
        return line == QLatin1String("V65") || line == QLatin1String("V64");
    });
    if (poolLine < 0)
        return Refused(current, NoPoolText);
    const int raceLine = lines.findEqual(poolLine + 1, lines.count(), RaceMarker(race));
    if (raceLine < 0)
        return Refused(current, WrongRaceText);

    Reading reading{lines, current, QString()};
    ClearRace(reading.state);
    reading.state.gameName = lines.at(poolLine);
    reading.state.gameType = reading.state.gameName.toLower();
    const int end = RaceEnd(lines, raceLine);
    if (lines.at(raceLine + 1).size() >= 3) {
        ReadFirefoxHeader(reading, raceLine);
        if (ReadFirefoxHorses(reading, raceLine, end) == 0)
            return Refused(current, FirefoxSimpleListText);
    } else {
        const int cursor = ReadChromeHeader(reading, raceLine);
        if (ReadChromeHorses(reading, cursor, end) == 0)
            return Refused(current, NoHorseText.arg(race));
    }
    return StartListImport{true, reading.state, reading.message};
}

StartListState CurrentStartListState(int race)
{
    StartListState state;
    if (race < 1 || race > 6)
        return state;
    for (int h = 1; h <= StartNumbers; ++h) {
        const int i = HorseIndex(race, h);
        state.horses[h] = StartListHorse{HorseNames[race][h],  DriverNames[race][h], OddsTexts[race][h],
                                         StreckTexts[race][h], StreckValues[i],      OddsValues[i],
                                         Scratched[i] != 0,    HorsePresent[i] != 0};
    }
    state.raceTitle = RaceInfoLines[race][0];
    state.heading = StartListHeading;
    state.gameName = GameName;
    state.gameType = GameType;
    return state;
}

void StoreStartList(int race, const StartListState& state)
{
    if (race < 1 || race > 6)
        return;
    for (int h = 1; h <= StartNumbers; ++h) {
        const StartListHorse& horse = state.horses[h];
        const int i = HorseIndex(race, h);
        HorseNames[race][h] = horse.name;
        DriverNames[race][h] = horse.driver;
        OddsTexts[race][h] = horse.oddsText;
        StreckTexts[race][h] = horse.streckText;
        StreckValues[i] = horse.streck;
        OddsValues[i] = horse.odds;
        Scratched[i] = horse.scratched ? 1 : 0;
        HorsePresent[i] = horse.present ? 1 : 0;
    }
    RaceInfoLines[race][0] = state.raceTitle;
    StartListHeading = state.heading;
    GameName = state.gameName;
    GameType = state.gameType;
    StartListLoaded = 1;
    DataFormCaption = DataCaptionAfterImport();
    RecomputeStreckPresent();
}

QString MainCaptionAfterImport(const QString& makerDomain)
{
    const QString tenBlanks(10, QLatin1Char(' '));
    const QString caption = QStringLiteral("Vimsta för V6 ") + VersionText + tenBlanks + GameName +
                            QLatin1Char(' ') + StartListHeading + QLatin1Char(' ');
    return makerDomain.isEmpty() ? caption : caption + tenBlanks + makerDomain;
}

QString DataCaptionAfterImport()
{
    return QStringLiteral("Startlistor, streck och odds för ") + GameName + QLatin1Char(' ') +
           StartListHeading + QLatin1Char(' ') + RoundDate;
}
