#include "sysfile/systemfileformat.h"

#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "conditions/startnrconditions.h"
#include "platform/textfile.h"

namespace {

constexpr int32 PayoutLimit = 100000000;
constexpr int32 MaxSingleRows = 99999;
constexpr int LimitEditLength = 3;  // E1L ... E3H hold at most three characters

// ---- The tags and what each says about the layout ----

struct TagLayout {
    const char* tag;
    int version;
    bool singleRows;
    bool streckSections;  // sections 2 and 3
    bool payoutSections;  // sections 4 to 6
};

const TagLayout AcceptedTags[] = {
    {"V64", 1, false, false, false},       {"V64 v4 mr", 4, true, false, false},
    {"V64 v4 ur", 4, false, false, false}, {"V64 v5 mr", 5, true, false, false},
    {"V64 v5 ur", 5, false, false, false}, {"V64 v7 mr", 7, true, false, false},
    {"V64 v7 ur", 7, false, false, false}, {"V64 v7b mr", 7, true, true, false},
    {"V64 v7b ur", 7, false, true, false}, {"V64 v7c mr", 7, true, true, true},
    {"V64 v7c ur", 7, false, true, true},
};

const char* NewestTag(bool singleRows)
{
    return singleRows ? "V64 v7c mr" : "V64 v7c ur";
}

const TagLayout* LayoutOfTag(QByteArrayView firstTen)
{
    for (const TagLayout& layout : AcceptedTags)
        if (firstTen == QByteArrayView(layout.tag))
            return &layout;
    return nullptr;
}

// Which optional runs of sections a file of the staged layout holds.
bool HasStreckSections(const StagedSystem& s)
{
    return s.version == 7 && s.streckSections;
}
bool HasPayoutSections(const StagedSystem& s)
{
    return s.version == 7 && s.payoutSections;
}
bool HasNumberRuleSettings(const StagedSystem& s)  // section 31
{
    return s.version >= 4;
}
bool HasPairRules(const StagedSystem& s)  // section 32
{
    return s.version >= 5;
}
bool HasRoundSections(const StagedSystem& s)  // sections 33 to 38
{
    return s.version >= 5;
}
bool HasGroupSections(const StagedSystem& s)  // sections 40 to 42
{
    return s.version >= 4;
}

QString GroupMemberWord(bool member, int group, int c)
{
    return QStringLiteral("%1%2%3").arg(member ? QLatin1Char('a') : QLatin1Char('b')).arg(group).arg(c);
}

QString GroupActiveWord(bool active, int group)
{
    return QString::number(group) + (active ? QStringLiteral(" aktiv") : QStringLiteral(" ej aktiv"));
}

// The last row of ABClista that the file holds: one less than the rows with a first cell.
int32 LastAbcdListRow(const QString (&cells)[CompositionCount + 1][3])
{
    int32 filled = 0;
    for (const auto& row : cells)
        if (!row[0].isEmpty())
            ++filled;
    return filled - 1;
}

// ---- Writing ----

// A text on one line: every line break (CR LF, CR or LF) becomes one blank.
QString OnOneLine(const QString& text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

class FileWriter {
public:
    static constexpr bool Reading = false;

    explicit FileWriter(QByteArray& out) : out_(out) {}
    bool Ok() const { return true; }

    void Int(const int32& value, int32 = 0, int32 = 0) { Number(value); }
    void Byte(const byte& value) { Number(value); }
    void Byte(const byte& value, int32, int32) { Byte(value); }
    template <typename T>
    void Flag01(const T& value)
    {
        Number(value);
    }
    void Text(const QString& text, int = 0) { Line(EncodeWindows1252(OnOneLine(text))); }
    // An empty text is written as its marker.
    void MarkedText(const QString& text, const char* marker, int = 0)
    {
        if (text.isEmpty())
            Line(marker);
        else
            Text(text);
    }
    // A line that carries no value.
    void Pass(const char* written) { Line(written); }
    // A yes/no state; the reader tests for yes (or, with testsNo, for no).
    void Word(const bool& state, const QString& yes, const QString& no, bool = false)
    {
        Line((state ? yes : no).toLatin1());
    }
    template <typename Row>
    void Resize(const std::vector<Row>&, int32)
    {
    }

private:
    void Number(int32 value)
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        out_.append(digits, end - digits);
        out_.append("\r\n", 2);
    }
    void Line(const QByteArray& bytes)
    {
        out_.append(bytes);
        out_.append("\r\n", 2);
    }

    QByteArray& out_;
};

// ---- Reading ----

// Walks the lines of a file; the first fault (an early end, a line that is not a whole
// number where one belongs, a value outside its range) refuses the file, after which every
// read does nothing.
class FileReader {
public:
    static constexpr bool Reading = true;

    explicit FileReader(const QByteArray& bytes) : data_(bytes.constData()), size_(bytes.size()) {}
    bool Ok() const { return ok_; }

    // The next line; false (and the file refused) when there is none.
    bool NextLine(QByteArrayView& line)
    {
        if (!ok_)
            return false;
        if (pos_ >= size_)
            return Refuse();
        qsizetype end = pos_;
        while (end < size_ && data_[end] != '\r' && data_[end] != '\n')
            ++end;
        line = QByteArrayView(data_ + pos_, end - pos_);
        pos_ = end;
        if (pos_ < size_ && data_[pos_] == '\r')
            ++pos_;
        if (pos_ < size_ && data_[pos_] == '\n' && (pos_ == end || data_[end] == '\r'))
            ++pos_;
        return true;
    }

    void Int(int32& value) { ReadNumber(value, INT32_MIN, INT32_MAX); }
    void Int(int32& value, int32 low, int32 high) { ReadNumber(value, low, high); }
    // A byte keeps the low eight bits of the number.
    void Byte(byte& value)
    {
        int32 number = 0;
        if (ReadNumber(number, INT32_MIN, INT32_MAX))
            value = static_cast<byte>(number);
    }
    void Byte(byte& value, int32 low, int32 high)
    {
        int32 number = 0;
        if (ReadNumber(number, low, high))
            value = static_cast<byte>(number);
    }
    // A flag that decides how many lines follow: 0 or 1, nothing else.
    template <typename T>
    void Flag01(T& value)
    {
        int32 number = 0;
        if (ReadNumber(number, 0, 1))
            value = static_cast<T>(number);
    }
    void Text(QString& text, int capacity = 0)
    {
        QByteArrayView line;
        if (!NextLine(line))
            return;
        text = DecodeWindows1252(line.toByteArray());
        if (capacity > 0)
            text.truncate(capacity);
    }
    void MarkedText(QString& text, const char* marker, int capacity = 0)
    {
        Text(text, capacity);
        if (text == QLatin1String(marker))
            text.clear();
    }
    void Pass(const char*)
    {
        QByteArrayView line;
        NextLine(line);
    }
    // Exactly the tested word is its state; any other line the other one.
    void Word(bool& state, const QString& yes, const QString& no, bool testsNo = false)
    {
        QString line;
        Text(line);
        state = testsNo ? line != no : line == yes;
    }
    template <typename Row>
    void Resize(std::vector<Row>& rows, int32 count)
    {
        if (ok_)
            rows.resize(static_cast<std::size_t>(count));
    }

private:
    bool Refuse()
    {
        ok_ = false;
        return false;
    }

    // A whole number: an optional "-" and decimal digits, within 32 bits and within
    // [low, high] as written.
    bool ReadNumber(int32& value, int32 low, int32 high)
    {
        QByteArrayView line;
        if (!NextLine(line))
            return false;
        qsizetype i = 0;
        const bool negative = !line.isEmpty() && line[0] == '-';
        if (negative)
            ++i;
        if (i == line.size())
            return Refuse();
        std::int64_t magnitude = 0;
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (c < '0' || c > '9')
                return Refuse();
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > std::int64_t{INT32_MAX} + 1)
                return Refuse();
        }
        const std::int64_t number = negative ? -magnitude : magnitude;
        if (number < low || number > high)
            return Refuse();
        value = static_cast<int32>(number);
        return true;
    }

    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// ---- The layout, section by section, for both directions ----
// S is StagedSystem when reading and const StagedSystem when writing; every count and flag
// line that decides what follows is read before it is used, so one walk serves both.

template <typename Io, typename S>
void WalkStreck(Io& io, S& s)  // sections 2, 3
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n) {
            io.Int(s.streckValues[HorseIndex(r, n)]);
            io.Text(s.streckTexts[r][n]);
        }
    for (int i = 1; i <= HorseCount; ++i)
        io.Int(s.unreducedPercent[i]);
}

template <typename Io, typename S>
void WalkPayout(Io& io, S& s)  // sections 4 to 6
{
    io.Pass("Synlig utd");
    io.Int(s.payoutMin);
    io.Int(s.payoutMax);
    io.Word(s.payoutActive, QStringLiteral("Aktiv"), QStringLiteral("Ej aktiv"));
}

template <typename Io, typename S>
void WalkSystemHead(Io& io, S& s)  // sections 7 to 10
{
    io.MarkedText(s.systemName, "NN", 50);
    io.MarkedText(s.systemDate, "DD", 50);
    io.Word(s.couponsBuilt, QStringLiteral("Systemfinns"), QStringLiteral("Systemfinnsej"));
    io.Byte(s.groupSystemBuilt);
    io.Int(s.couponCount, 0, MaxCoupons);
    io.Int(s.unreducedRowCount);
    io.Int(s.rowsKept);
    io.Int(s.rowsAfterGroupConditions);
    io.Int(s.rowsAccepted);
    io.Int(s.keptCouponCount, 0, MaxCoupons);
    io.Byte(s.nejCount);
}

// Row 0 holds the group codes of the horses (index 0 belongs to no horse), rows 1-4 the
// groups: index 0 the size, index h the membership of horse h.
template <typename Io, typename S>
void WalkMarks(Io& io, S& s)  // section 11
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int row = 0; row <= GroupCount; ++row)
            for (int h = 0; h <= StartNumbers; ++h) {
                if (row == 0 && h > 0)
                    io.Byte(s.horseGroups[r][row][h], 0, GroupCount);
                else if (row > 0 && h == 0)
                    io.Byte(s.horseGroups[r][row][h], 0, StartNumbers);
                else
                    io.Byte(s.horseGroups[r][row][h]);
            }
}

template <typename Io, typename S>
void WalkWinnerCountsAndCompositions(Io& io, S& s)  // sections 12, 13
{
    for (int n = 0; n < 8; ++n)
        for (int g = 1; g <= GroupCount; ++g) {
            io.Byte(s.winnerCountAllowed[n][g]);
            io.Byte(s.winnerCountLocked[n][g]);
        }
    for (int c = 1; c <= CompositionCount; ++c)
        io.Byte(s.compositionNej[c]);
    for (int c = 1; c <= CompositionCount; ++c)
        io.Int(s.compositionRowsSaved[c]);
    for (int c = 1; c <= CompositionCount; ++c)
        io.Int(s.compositionRowsAll[c]);
    for (int c = 1; c <= CompositionCount; ++c)
        io.Int(s.compositionRowsKept[c]);
    for (int row = 1; row <= CompositionCount; ++row)
        io.Byte(s.compositionOfListRow[row], 0, CompositionCount);
}

template <typename Io, typename S>
void WalkAbcdListAndCoupons(Io& io, S& s)  // sections 14, 15
{
    int32 last = LastAbcdListRow(s.abcdListCells);
    io.Int(last, -1, CompositionCount);
    for (int row = 0; row <= last && io.Ok(); ++row)
        for (int column = 0; column < 3; ++column)
            io.Text(s.abcdListCells[row][column]);
    if (s.couponCount <= 0)
        return;
    io.Resize(s.couponKept, s.couponCount + 1);
    for (int k = 1; k <= s.couponCount && io.Ok(); ++k)
        io.Byte(s.couponKept[k]);
}

// For c = 0 the unreachable flag does not exist: its line is a filler.
template <typename Io, typename S>
void WalkGroupConditions(Io& io, S& s)  // sections 16, 17
{
    for (int r = 0; r < 8; ++r)
        for (int g = 0; g < 5; ++g)
            for (int c = 0; c <= ConditionCount; ++c)
                io.Byte(s.groupCondCells[r][g][c]);
    for (int k = 0; k < 8; ++k)
        for (int c = 0; c <= ConditionCount; ++c) {
            io.Byte(s.groupCondForbiddenHits[k][c]);
            if (c == 0)
                io.Pass("0");
            else
                io.Byte(s.groupCondUnreachableHits[k][c]);
        }
}

template <typename Io, typename S>
void WalkReserves(Io& io, S& s)  // sections 18 to 20
{
    io.Byte(s.reserveMode);
    for (int r = 1; r <= RaceSlots; ++r) {
        bool reset = s.reserveOrderReset[r] == 1;
        io.Word(reset, QStringLiteral("Ja"), QStringLiteral("Nej"));
        if constexpr (Io::Reading)
            s.reserveOrderReset[r] = reset ? 1 : 0;
    }
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int n = 1; n <= StartNumbers; ++n) {
            io.Byte(s.reserveLabelSlot[r][n], 1, StartNumbers);
            io.Byte(s.reserveDefaultOrder[r][n], 0, StartNumbers);
            io.Byte(s.reserveOrder[r][n], 0, StartNumbers);
        }
        io.Byte(s.fixedReserves[r][1], 0, StartNumbers);
        io.Byte(s.fixedReserves[r][2], 0, StartNumbers);
    }
}

template <typename Io, typename S>
void WalkPricesAndSwitches(Io& io, S& s)  // sections 22, 23
{
    if (s.couponsBuilt)
        for (auto& caption : s.priceCaptions)
            io.Text(caption);
    io.Word(s.switchStartNumbers, QStringLiteral("JA"), QStringLiteral("NEJ"));
    io.Word(s.switchPoints, QStringLiteral("JA"), QStringLiteral("NEJ"));
    io.Word(s.switchOtherNumbers, QStringLiteral("JA"), QStringLiteral("NEJ"));
}

template <typename Io, typename S>
void WalkStartNrConditions(Io& io, S& s)  // sections 24, 25
{
    io.Int(s.startNrCondUsedCount, 0, ConditionCount);
    if (s.startNrCondUsedCount <= 0)
        return;
    for (int c = 1; c <= ConditionCount; ++c)
        io.Flag01(s.startNrCondUsed[c]);
    for (int c = 1; c <= ConditionCount && io.Ok(); ++c) {
        if (s.startNrCondUsed[c] != 1)
            continue;
        for (int k = 0; k < 8; ++k)
            io.Byte(s.startNrCondForbiddenCounts[k][c]);
        for (int k = 0; k < 8; ++k)
            io.Byte(s.startNrCondUnreachableCounts[k][c]);
        for (int r = 0; r < 8; ++r)
            for (int n = 0; n <= StartNumbers; ++n)
                io.Byte(s.startNrCondMarks[r][n][c]);
    }
}

template <typename Io, typename S>
void WalkPointsBlock(Io& io, S& s, int c)
{
    io.Int(s.condSumMax[c]);
    io.Int(s.condSumMin[c]);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            io.Byte(s.condPoints[r][n][c]);
}

template <typename Io, typename S>
void WalkPointsConditions(Io& io, S& s)  // section 26
{
    io.Byte(s.activePointsCondCount);
    for (int c = 1; c <= ConditionCount; ++c)
        io.Int(s.condActive[c]);
    for (int c = 1; c <= ConditionCount; ++c)
        io.Flag01(s.pointsCondUsed[c]);
    for (int c = 1; c <= ConditionCount && io.Ok(); ++c)
        if (s.pointsCondUsed[c] == 1)
            WalkPointsBlock(io, s, c);
}

// The first layout: blocks follow the active flags, and only when the count is above 0.
void ReadFirstLayoutPointsConditions(FileReader& io, StagedSystem& s)  // section 26, "V64"
{
    io.Byte(s.activePointsCondCount, 0, ConditionCount);
    if (s.activePointsCondCount == 0)
        return;
    for (int c = 1; c <= ConditionCount; ++c)
        io.Flag01(s.condActive[c]);
    for (int c = 1; c <= ConditionCount && io.Ok(); ++c)
        if (s.condActive[c] == 1)
            WalkPointsBlock(io, s, c);
}

template <typename Io, typename S>
void WalkNumberConditions(Io& io, S& s)  // sections 27 to 30
{
    for (int n = 1; n <= StartNumbers; ++n)
        for (int k = 0; k < 8; ++k)
            io.Byte(s.nrCountForbidden[n][k]);
    for (int n = 1; n <= StartNumbers; ++n)
        for (int c = 1; c <= NrSetCondCount_; ++c)
            io.Byte(s.nrSetCondMarks[n][c]);
    for (int c = 1; c <= NrSetCondCount_; ++c) {
        io.Byte(s.nrSetCondHigh[c]);
        io.Byte(s.nrSetCondLow[c]);
        io.Byte(s.nrSetCondRequire[c]);
        io.Byte(s.nrSetCondRemove[c]);
    }
    io.Byte(s.nrSetCondCount, 0, NrSetCondCount_);
}

template <typename Io, typename S>
void WalkConditionSettings(Io& io, S& s)  // section 31
{
    for (int c = 1; c <= ConditionCount; ++c) {
        io.Int(s.condSumActive[c]);
        io.Int(s.condProdActive[c]);
        io.Int(s.condSumMode[c]);
        io.Int(s.condProdMode[c]);
        io.Int(s.condProdMinMantissa[c]);
        io.Int(s.condProdMaxMantissa[c]);
        io.Int(s.condProdMinExp[c]);
        io.Int(s.condProdMaxExp[c]);
        io.Byte(s.startNrCondActive[c]);
    }
}

template <typename Io, typename S>
void WalkPairRules(Io& io, S& s)  // section 32
{
    for (int i = 1; i <= 7; ++i)
        io.Int(s.equalNrRule[i]);
    for (int i = 0; i <= 7; ++i)
        io.Int(s.oddCountForbidden[i]);
    for (int i = 1; i <= 3; ++i)
        io.Int(s.pairRules[i]);
}

template <typename Io, typename S>
void WalkRaceData(Io& io, S& s)  // sections 36 to 38
{
    io.Word(s.pointsLoaded, QStringLiteral("Poengfinns"), QStringLiteral("PoengfinnsEj"));
    if (s.pointsLoaded)
        for (int i = 1; i <= HorseCount; ++i)
            io.Int(s.horsePoints[i]);
    io.Text(s.startListHeading);
    io.Text(s.startListFetchTime);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            io.Text(s.horseNames[r][n]);
    for (int r = 1; r <= RaceSlots; ++r)
        for (auto& line : s.raceInfoLines[r])
            io.Text(line);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n) {
            const int i = HorseIndex(r, n);
            io.Text(s.oddsTexts[r][n]);
            io.Text(s.streckTexts[r][n]);
            io.Int(s.horseValues3[i]);
            io.Int(s.oddsValues[i]);
            io.Int(s.streckValues[i]);
            io.Int(s.horsePresent[i]);
            io.Int(s.scratched[i]);
        }
    for (int r = 1; r <= RaceSlots; ++r)
        for (int slot = 1; slot <= StartNumbers; ++slot)
            io.Int(s.ownOrder[r][slot], 0, StartNumbers);
}

template <typename Io, typename S>
void WalkRound(Io& io, S& s)  // sections 33 to 38
{
    io.Word(s.saveRound, QStringLiteral("Sparaomg"), QStringLiteral("EjSparaomg"), true);
    io.Word(s.roundData, QStringLiteral("Sparaomgdata"), QStringLiteral("EjSparaomgdata"), true);
    if (s.saveRound) {
        for (int r = 1; r <= RaceSlots; ++r)
            io.Int(s.roundWinners[r]);
        for (int i = 1; i <= 3; ++i)
            io.Int(s.roundPayouts[i]);
    }
    if (s.roundData)
        WalkRaceData(io, s);
}

template <typename Io, typename S>
void WalkSingleRows(Io& io, S& s)  // section 39
{
    io.Int(s.randomCode);
    for (int i = 1; i <= HorseCount; ++i) {
        io.Byte(s.reductionPoints[i]);
        io.Byte(s.reductionChance[i]);
    }
    for (int r = 1; r <= RaceSlots; ++r)
        io.Int(s.reductionPointsSum[r]);
    int32 count = static_cast<int32>(s.singleRowStarts.size());
    io.Int(count, 0, MaxSingleRows);
    io.Resize(s.singleRowStarts, count);
    for (int32 k = 0; k < count && io.Ok(); ++k)
        for (auto& start : s.singleRowStarts[static_cast<std::size_t>(k)])
            io.Int(start, 1, StartNumbers);
}

template <typename Io, typename S>
void WalkConditionGroups(Io& io, S& s)  // sections 40 to 42
{
    for (int c = 1; c <= ConditionCount; ++c)
        for (int g = 1; g <= 3; ++g) {
            bool member = s.conditionGroupMembers[g][c] == 1;
            io.Word(member, GroupMemberWord(true, g, c), GroupMemberWord(false, g, c));
            if constexpr (Io::Reading)
                s.conditionGroupMembers[g][c] = member ? 1 : 0;
        }
    for (int i = 1; i <= 6; ++i)
        io.Byte(s.conditionGroupLimits[i]);
    for (int g = 1; g <= 3; ++g) {
        io.Text(s.conditionGroupLimitTexts[2 * g - 1], LimitEditLength);
        io.Text(s.conditionGroupLimitTexts[2 * g], LimitEditLength);
        bool active = s.conditionGroupActive[g] == 1;
        io.Word(active, GroupActiveWord(true, g), GroupActiveWord(false, g));
        if constexpr (Io::Reading)
            s.conditionGroupActive[g] = active ? 1 : 0;
    }
}

template <typename Io, typename S>
void WalkTexts(Io& io, S& s)  // sections 43, 44
{
    for (int c = 1; c <= ConditionCount; ++c) {
        io.MarkedText(s.startNrCondComments[c], "0", StartNrCommentLength);
        io.MarkedText(s.pointsCondNames[c], "0", StartNrCommentLength);
    }
    io.Text(s.mainCaption);
    io.Text(s.dataCaption);
    io.Text(s.gameType, 50);
}

// Sections 2 to 44 of the layout that s names.
template <typename Io, typename S>
void WalkSections(Io& io, S& s)
{
    if (HasStreckSections(s))
        WalkStreck(io, s);
    if (HasPayoutSections(s))
        WalkPayout(io, s);
    WalkSystemHead(io, s);
    WalkMarks(io, s);
    WalkWinnerCountsAndCompositions(io, s);
    WalkAbcdListAndCoupons(io, s);
    WalkGroupConditions(io, s);
    WalkReserves(io, s);
    WalkPricesAndSwitches(io, s);
    WalkStartNrConditions(io, s);
    if constexpr (Io::Reading) {
        if (s.version == 1)
            ReadFirstLayoutPointsConditions(io, s);
        else
            WalkPointsConditions(io, s);
    } else {
        WalkPointsConditions(io, s);
    }
    WalkNumberConditions(io, s);
    if (HasNumberRuleSettings(s))
        WalkConditionSettings(io, s);
    if (HasPairRules(s))
        WalkPairRules(io, s);
    if (HasRoundSections(s))
        WalkRound(io, s);
    if (s.singleRows)
        WalkSingleRows(io, s);
    if (HasGroupSections(s))
        WalkConditionGroups(io, s);
    WalkTexts(io, s);
}

// ---- What the whole file must agree on ----

// A race's record is whole when every horse's group code names the one group row that flags
// it and every group's size counts the horses it flags. The row counts are worked out from
// the sizes and the builders walk the codes, so a record that disagrees with itself would
// give counts that its marks do not (and products past 32 bits).
bool RaceMarksAgree(const THorseGroupRecord& marks)
{
    int32 sizes[GroupCount + 1] = {};
    for (int h = 1; h <= StartNumbers; ++h) {
        const int code = marks[0][h];
        for (int g = 1; g <= GroupCount; ++g)
            if (marks[g][h] != (code == g ? 1 : 0))
                return false;
        ++sizes[code];
    }
    for (int g = 1; g <= GroupCount; ++g)
        if (marks[g][0] != sizes[g])
            return false;
    return true;
}

bool EveryRaceMarksAgree(const StagedSystem& s)
{
    return std::all_of(std::begin(s.horseGroups) + 1, std::end(s.horseGroups), RaceMarksAgree);
}

// Race slot 7, the dummy race, holds start number 1 alone in group A in every file written:
// any other horse there would multiply the rows that the counts show but no pool race plays.
bool DummyRaceAsWritten(const StagedSystem& s)
{
    const THorseGroupRecord& dummy = s.horseGroups[RaceSlots];
    for (int h = 1; h <= StartNumbers; ++h)
        if (dummy[0][h] != (h == 1 ? GroupA : 0))
            return false;
    return true;
}

// Every single row plays marked horses only, and no row stands twice: the bet file and the
// print-outs stake each row as it stands. Run after the dummy race's check, so that a row's
// races 1-6 tell it apart (4 bits each, one flag for each of the 2^24 keys).
bool SingleRowsPlayMarkedHorsesOnce(const StagedSystem& s)
{
    if (s.singleRowStarts.empty())
        return true;
    std::vector<bool> seen(std::size_t{1} << (4 * PoolRaces));
    for (const auto& starts : s.singleRowStarts) {
        std::size_t key = 0;
        for (int r = 1; r <= RaceSlots; ++r) {
            const int32 start = starts[static_cast<std::size_t>(r - 1)];
            if (s.horseGroups[r][0][start] == 0)
                return false;
            if (r <= PoolRaces)
                key = (key << 4) | static_cast<std::size_t>(start);
        }
        if (seen[key])
            return false;
        seen[key] = true;
    }
    return true;
}

// What the whole file must agree on beyond its single lines.
bool WholeFileAgrees(const StagedSystem& s)
{
    return EveryRaceMarksAgree(s) && DummyRaceAsWritten(s) && SingleRowsPlayMarkedHorsesOnce(s);
}

// ---- What a load gives the sections that a file does not hold ----

// The values a parse starts from: those the load's clearing of sections 24 and 26 leaves
// and those of the sections an older tag lacks.
void SetParseDefaults(StagedSystem& s)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            s.streckTexts[r][n] = QStringLiteral("  0");
    for (int k = 0; k < 8; ++k)
        for (int c = 1; c <= ConditionCount; ++c)
            s.startNrCondUnreachableCounts[k][c] = 1;
    for (int c = 1; c <= ConditionCount; ++c)
        s.condSumMax[c] = 700;
}

// Section 31 of the first layout: the sum test follows the active flag, the product test is
// off with its widest limits, a start-number condition is active when it is used.
void SetFirstLayoutConditionSettings(StagedSystem& s)
{
    for (int c = 1; c <= ConditionCount; ++c) {
        s.condSumActive[c] = s.condActive[c] == 1 ? 1 : 0;
        s.condProdActive[c] = 0;
        s.condSumMode[c] = 1;
        s.condProdMode[c] = 1;
        s.condProdMinMantissa[c] = 0;
        s.condProdMaxMantissa[c] = 100;
        s.condProdMinExp[c] = 0;
        s.condProdMaxExp[c] = 12;
        s.startNrCondActive[c] = s.startNrCondUsed[c];
    }
}

// ---- Staging the tables ----

void StageStreckAndPayout(StagedSystem& s)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            s.streckTexts[r][n] = StreckTexts[r][n];
    std::copy(std::begin(StreckValues), std::end(StreckValues), s.streckValues);
    std::copy(std::begin(UnreducedPercent), std::end(UnreducedPercent), s.unreducedPercent);
    s.payoutMin = PayoutMin;
    s.payoutMax = PayoutMax;
    s.payoutActive = ConditionSwitches.payout;
}

void StageSystemHead(StagedSystem& s)
{
    s.systemName = SystemName.str();
    s.systemDate = SystemDate.str();
    s.couponsBuilt = CouponsBuilt == 1;
    s.groupSystemBuilt = GroupSystemBuilt;
    s.couponCount = s.couponsBuilt ? std::clamp(CouponCount, 0, MaxCoupons) : 0;
    s.unreducedRowCount = UnreducedRowCount;
    s.rowsKept = RowsKept;
    s.rowsAfterGroupConditions = RowsAfterGroupConditions;
    s.rowsAccepted = RowsAccepted;
    s.keptCouponCount = KeptCouponCount;
    s.nejCount = NejCount;
}

void StageMarksAndCompositions(StagedSystem& s)
{
    std::memcpy(s.horseGroups, HorseGroups, sizeof HorseGroups);
    std::memcpy(s.winnerCountAllowed, WinnerCountAllowed, sizeof WinnerCountAllowed);
    std::memcpy(s.winnerCountLocked, WinnerCountLocked, sizeof WinnerCountLocked);
    std::memcpy(s.compositionNej, CompositionNej, sizeof CompositionNej);
    std::memcpy(s.compositionRowsSaved, CompositionRowsSaved, sizeof CompositionRowsSaved);
    std::memcpy(s.compositionRowsAll, CompositionRowsAll, sizeof CompositionRowsAll);
    std::memcpy(s.compositionRowsKept, CompositionRowsKept, sizeof CompositionRowsKept);
    std::memcpy(s.compositionOfListRow, CompositionOfListRow, sizeof CompositionOfListRow);
    const int32 last = LastAbcdListRow(AbcdListCells);
    for (int row = 0; row <= last; ++row)
        for (int column = 0; column < 3; ++column)
            s.abcdListCells[row][column] = AbcdListCells[row][column];
    if (s.couponCount > 0)
        s.couponKept.assign(CouponKept, CouponKept + s.couponCount + 1);
    std::memcpy(s.groupCondCells, GroupCondCells, sizeof GroupCondCells);
    std::memcpy(s.groupCondForbiddenHits, GroupCondForbiddenHits, sizeof GroupCondForbiddenHits);
    for (int k = 0; k < 8; ++k)
        for (int c = 1; c <= ConditionCount; ++c)
            s.groupCondUnreachableHits[k][c] = GroupCondUnreachableHits[k][c];
}

void StageReservesPricesAndSwitches(StagedSystem& s)
{
    s.reserveMode = ReserveMode;
    std::memcpy(s.reserveOrderReset, ReserveOrderReset, sizeof ReserveOrderReset);
    std::memcpy(s.reserveLabelSlot, ReserveLabelSlot, sizeof ReserveLabelSlot);
    std::memcpy(s.reserveDefaultOrder, ReserveDefaultOrder, sizeof ReserveDefaultOrder);
    std::memcpy(s.reserveOrder, ReserveOrder, sizeof ReserveOrder);
    std::memcpy(s.fixedReserves, FixedReserves, sizeof FixedReserves);
    if (s.couponsBuilt) {
        s.priceCaptions[0] = ResultLabels.Prisrader;
        s.priceCaptions[1] = ResultLabels.Prisavg;
        s.priceCaptions[2] = ResultLabels.Pristot;
    }
    s.switchStartNumbers = ConditionSwitches.startNumbers;
    s.switchPoints = ConditionSwitches.points;
    s.switchOtherNumbers = ConditionSwitches.otherNumbers;
}

// Only the conditions whose blocks the file holds; the others as a load leaves them.
void StageStartNrConditions(StagedSystem& s)
{
    s.startNrCondUsedCount = std::clamp(StartNrCondUsedCount, 0, ConditionCount);
    if (s.startNrCondUsedCount == 0)
        return;
    for (int c = 1; c <= ConditionCount; ++c) {
        s.startNrCondUsed[c] = StartNrCondUsed[c] == 1 ? 1 : 0;
        if (s.startNrCondUsed[c] == 0)
            continue;
        for (int k = 0; k < 8; ++k) {
            s.startNrCondForbiddenCounts[k][c] = StartNrCondForbiddenCounts[k][c];
            s.startNrCondUnreachableCounts[k][c] = StartNrCondUnreachableCounts[k][c];
        }
        for (int r = 0; r < 8; ++r)
            for (int n = 0; n <= StartNumbers; ++n)
                s.startNrCondMarks[r][n][c] = StartNrCondMarks[r][n][c];
    }
}

// A points condition is used when a horse has points in it or one of its tests is on.
bool PointsConditionUsed(int c)
{
    if (CondSumActive[c] == 1 || CondProdActive[c] == 1)
        return true;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            if (CondPoints[r][n][c] > 0)
                return true;
    return false;
}

void StagePointsConditions(StagedSystem& s)
{
    s.activePointsCondCount = ActivePointsCondCount;
    for (int c = 1; c <= ConditionCount; ++c) {
        s.condActive[c] = CondActive[c];
        s.pointsCondUsed[c] = PointsConditionUsed(c) ? 1 : 0;
        if (s.pointsCondUsed[c] == 0)
            continue;
        s.condSumMax[c] = CondSumMax[c];
        s.condSumMin[c] = CondSumMin[c];
        for (int r = 1; r <= RaceSlots; ++r)
            for (int n = 1; n <= StartNumbers; ++n)
                s.condPoints[r][n][c] = CondPoints[r][n][c];
    }
}

void StageNumberConditionsAndSettings(StagedSystem& s)
{
    std::memcpy(s.nrCountForbidden, NrCountForbidden, sizeof NrCountForbidden);
    std::memcpy(s.nrSetCondMarks, NrSetCondMarks, sizeof NrSetCondMarks);
    std::memcpy(s.nrSetCondHigh, NrSetCondHigh, sizeof NrSetCondHigh);
    std::memcpy(s.nrSetCondLow, NrSetCondLow, sizeof NrSetCondLow);
    std::memcpy(s.nrSetCondRequire, NrSetCondRequire, sizeof NrSetCondRequire);
    std::memcpy(s.nrSetCondRemove, NrSetCondRemove, sizeof NrSetCondRemove);
    s.nrSetCondCount = std::min<byte>(NrSetCondCount, NrSetCondCount_);
    for (int c = 1; c <= ConditionCount; ++c) {
        s.condSumActive[c] = CondSumActive[c];
        s.condProdActive[c] = CondProdActive[c];
        s.condSumMode[c] = CondSumMode[c];
        s.condProdMode[c] = CondProdMode[c];
        s.condProdMinMantissa[c] = CondProdMinMantissa[c];
        s.condProdMaxMantissa[c] = CondProdMaxMantissa[c];
        s.condProdMinExp[c] = CondProdMinExp[c];
        s.condProdMaxExp[c] = CondProdMaxExp[c];
        s.startNrCondActive[c] = StartNrCondActive[c];
    }
    for (int i = 1; i <= 7; ++i)
        s.equalNrRule[i] = EqualNrRule[i];
    std::memcpy(s.oddCountForbidden, OddCountForbidden, sizeof OddCountForbidden);
    for (int i = 1; i <= 3; ++i)
        s.pairRules[i] = PairRules[i];
}

// The round of the grading window; a round that a load staged and the grading window has not
// shown yet is still the round of the system, so it is the one written.
void StageRound(StagedSystem& s, bool withRound)
{
    s.saveRound = withRound;
    if (!withRound)
        return;
    const bool stagedRoundWaiting = SaveRoundInFile == 1 && SavedRoundAux == 0;
    for (int r = 1; r <= RaceSlots; ++r)
        s.roundWinners[r] = stagedRoundWaiting ? static_cast<byte>(SavedRoundWinners[r]) : CorrectRow[r];
    for (int i = 1; i <= 3; ++i)
        s.roundPayouts[i] = stagedRoundWaiting ? SavedRoundPayouts[i] : PayoutPerHits[i];
}

// An own order that a load staged and the race-data window has not taken yet is the order of
// the system, as with the round.
void StageRaceData(StagedSystem& s)
{
    s.roundData = StartListLoaded == 1;
    if (!s.roundData)
        return;
    s.pointsLoaded = PointsLoaded == 1;
    if (s.pointsLoaded)
        std::copy(std::begin(HorsePoints), std::end(HorsePoints), s.horsePoints);
    s.startListHeading = StartListHeading;
    s.startListFetchTime = StartListFetchTime;
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int n = 1; n <= StartNumbers; ++n) {
            s.horseNames[r][n] = HorseNames[r][n];
            s.oddsTexts[r][n] = OddsTexts[r][n];
            s.ownOrder[r][n] = RestoreOwnOrderPending == 1 ? SavedOwnOrder[r][n] : OwnOrder[r][n];
        }
        for (int line = 0; line < 5; ++line)
            s.raceInfoLines[r][line] = RaceInfoLines[r][line];
    }
    std::copy(std::begin(HorseValues3), std::end(HorseValues3), s.horseValues3);
    std::copy(std::begin(OddsValues), std::end(OddsValues), s.oddsValues);
    std::copy(std::begin(HorsePresent), std::end(HorsePresent), s.horsePresent);
    std::copy(std::begin(Scratched), std::end(Scratched), s.scratched);
}

void StageSingleRows(StagedSystem& s)
{
    s.singleRows = SingleRowsBuilt == 1;
    if (!s.singleRows)
        return;
    s.randomCode = RandomCode;
    std::copy(std::begin(ReductionPoints), std::end(ReductionPoints), s.reductionPoints);
    std::copy(std::begin(ReductionChance), std::end(ReductionChance), s.reductionChance);
    for (int r = 1; r <= RaceSlots; ++r)
        s.reductionPointsSum[r] = ReductionPointsSum[r];
    const int32 count = std::clamp(SingleRowCount, 0, RowStoreEntries);
    s.singleRowStarts.resize(static_cast<std::size_t>(count));
    for (int32 k = 1; k <= count; ++k)
        for (int r = 1; r <= RaceSlots; ++r)
            s.singleRowStarts[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(r - 1)] =
                RowStore[r][k];
}

// A member box counts only while it is enabled, that is while its condition is active.
void StageConditionGroupsAndTexts(StagedSystem& s)
{
    for (int g = 1; g <= 3; ++g) {
        for (int c = 1; c <= ConditionCount; ++c)
            s.conditionGroupMembers[g][c] =
                ConditionGroupMembers[g][c] == 1 && ConditionGroupBoxEnabled(c) ? 1 : 0;
        s.conditionGroupActive[g] = ConditionGroupActive[g];
    }
    for (int i = 1; i <= 6; ++i) {
        s.conditionGroupLimits[i] = ConditionGroupLimits[i];
        s.conditionGroupLimitTexts[i] = QString::number(ConditionGroupLimits[i]);
    }
    for (int c = 1; c <= ConditionCount; ++c) {
        s.startNrCondComments[c] = StartNrCondComments[c].str();
        s.pointsCondNames[c] = PointsCondNames[c].str();
    }
    s.mainCaption = MainFormCaption;
    s.dataCaption = DataFormCaption;
    s.gameType = GameType.str();
}

// ---- Applying a parsed file ----

// Entries 1 to the end; entry 0 is not in the file and keeps its value.
template <typename T, std::size_t N>
void CopyFromOne(T (&to)[N], const T (&from)[N])
{
    std::copy(from + 1, from + N, to + 1);
}

void ApplyStreckAndPayout(const StagedSystem& s)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n) {
            StreckTexts[r][n] = s.streckTexts[r][n];
            StreckValues[HorseIndex(r, n)] = s.streckValues[HorseIndex(r, n)];
        }
    if (HasStreckSections(s)) {
        std::copy(std::begin(s.unreducedPercent) + 1, std::end(s.unreducedPercent), UnreducedPercent + 1);
        bool everyRace = true;
        for (int r = 1; r <= PoolRaces; ++r) {
            std::int64_t sum = 0;
            for (int n = 1; n <= StartNumbers; ++n)
                sum += StreckValues[HorseIndex(r, n)];
            everyRace = everyRace && sum != 0;
        }
        StreckPresent = everyRace ? 1 : 0;
    }
    PayoutMin = std::clamp(s.payoutMin, 0, PayoutLimit);
    PayoutMax = std::clamp(s.payoutMax, 0, PayoutLimit);
    ConditionSwitches.payout = s.payoutActive;
}

void ApplySystemHead(const StagedSystem& s)
{
    SystemFileVersion = static_cast<byte>(s.version);
    SingleRowsBuilt = s.singleRows ? 1 : 0;
    if (s.version != 1)
        ResultLabels.ReducgradVisible = !s.singleRows;
    SystemName = s.systemName;
    SystemDate = s.systemDate;
    CouponsBuilt = s.couponsBuilt ? 1 : 0;
    SystemSaved = CouponsBuilt == 1 || SingleRowsBuilt == 1 ? 1 : 0;
    GroupSystemBuilt = s.groupSystemBuilt;
    CouponCount = s.couponCount;
    UnreducedRowCount = s.unreducedRowCount;
    LoadedUnreducedRowCount = s.unreducedRowCount;
    RowsKept = s.rowsKept;
    RowsAfterGroupConditions = s.rowsAfterGroupConditions;
    RowsAccepted = s.rowsAccepted;
    KeptCouponCount = s.keptCouponCount;
    NejCount = s.nejCount;
}

void ApplyMarksAndCompositions(const StagedSystem& s)
{
    std::memcpy(HorseGroups + 1, s.horseGroups + 1, sizeof(THorseGroupRecord) * RaceSlots);
    for (int n = 0; n < 8; ++n) {
        CopyFromOne(WinnerCountAllowed[n], s.winnerCountAllowed[n]);
        CopyFromOne(WinnerCountLocked[n], s.winnerCountLocked[n]);
    }
    CopyFromOne(CompositionNej, s.compositionNej);
    CopyFromOne(CompositionRowsSaved, s.compositionRowsSaved);
    CopyFromOne(CompositionRowsAll, s.compositionRowsAll);
    CopyFromOne(CompositionRowsKept, s.compositionRowsKept);
    CopyFromOne(CompositionOfListRow, s.compositionOfListRow);
    for (int row = 0; row <= CompositionCount; ++row)
        for (int column = 0; column < 3; ++column)
            AbcdListCells[row][column] = s.abcdListCells[row][column];
    for (int k = 1; k <= s.couponCount && k < static_cast<int>(s.couponKept.size()); ++k)
        CouponKept[k] = s.couponKept[static_cast<std::size_t>(k)];
    std::memcpy(GroupCondCells, s.groupCondCells, sizeof GroupCondCells);
    std::memcpy(GroupCondForbiddenHits, s.groupCondForbiddenHits, sizeof GroupCondForbiddenHits);
    for (int k = 0; k < 8; ++k)
        for (int c = 1; c <= ConditionCount; ++c)
            GroupCondUnreachableHits[k][c] = s.groupCondUnreachableHits[k][c];
}

void ApplyReservesPricesAndSwitches(const StagedSystem& s)
{
    ReserveMode = s.reserveMode;
    for (int r = 1; r <= RaceSlots; ++r) {
        ReserveOrderReset[r] = s.reserveOrderReset[r];
        for (int n = 1; n <= StartNumbers; ++n) {
            ReserveLabelSlot[r][n] = s.reserveLabelSlot[r][n];
            ReserveDefaultOrder[r][n] = s.reserveDefaultOrder[r][n];
            ReserveOrder[r][n] = s.reserveOrder[r][n];
        }
        FixedReserves[r][1] = s.fixedReserves[r][1];
        FixedReserves[r][2] = s.fixedReserves[r][2];
    }
    // The loaded order is the one in force: no change of the marks waits for a look at it.
    ReserveSignalShown = false;
    // The rebuild works the prices out again; until then the captions are those of the file.
    if (s.couponsBuilt) {
        ResultLabels.Prisrader = s.priceCaptions[0];
        ResultLabels.Prisavg = s.priceCaptions[1];
        ResultLabels.Pristot = s.priceCaptions[2];
    }
    ConditionSwitches.startNumbers = s.switchStartNumbers;
    ConditionSwitches.points = s.switchPoints;
    ConditionSwitches.otherNumbers = s.switchOtherNumbers;
}

void ApplyStartNrAndPointsConditions(const StagedSystem& s)
{
    StartNrCondUsedCount = s.startNrCondUsedCount;
    std::memcpy(StartNrCondUsed, s.startNrCondUsed, sizeof StartNrCondUsed);
    std::memcpy(StartNrCondMarks, s.startNrCondMarks, sizeof StartNrCondMarks);
    std::memcpy(StartNrCondForbiddenCounts, s.startNrCondForbiddenCounts, sizeof StartNrCondForbiddenCounts);
    for (int k = 0; k < 8; ++k)
        for (int c = 1; c <= ConditionCount; ++c)
            StartNrCondUnreachableCounts[k][c] = s.startNrCondUnreachableCounts[k][c];
    CurrentPointsCond = 1;
    ActivePointsCondCount = s.activePointsCondCount;
    for (int c = 1; c <= ConditionCount; ++c) {
        CondActive[c] = s.condActive[c];
        CondSumMax[c] = s.condSumMax[c];
        CondSumMin[c] = s.condSumMin[c];
        for (int r = 1; r <= RaceSlots; ++r)
            for (int n = 1; n <= StartNumbers; ++n)
                CondPoints[r][n][c] = s.condPoints[r][n][c];
    }
}

void ApplyNumberConditionsAndSettings(const StagedSystem& s)
{
    for (int n = 1; n <= StartNumbers; ++n) {
        std::memcpy(NrCountForbidden[n], s.nrCountForbidden[n], sizeof NrCountForbidden[n]);
        CopyFromOne(NrSetCondMarks[n], s.nrSetCondMarks[n]);
    }
    CopyFromOne(NrSetCondHigh, s.nrSetCondHigh);
    CopyFromOne(NrSetCondLow, s.nrSetCondLow);
    CopyFromOne(NrSetCondRequire, s.nrSetCondRequire);
    CopyFromOne(NrSetCondRemove, s.nrSetCondRemove);
    NrSetCondCount = s.nrSetCondCount;
    int32 activeCount = 0;
    for (int c = 1; c <= ConditionCount; ++c) {
        CondSumActive[c] = s.condSumActive[c];
        CondProdActive[c] = s.condProdActive[c];
        CondSumMode[c] = s.condSumMode[c];
        CondProdMode[c] = s.condProdMode[c];
        CondProdMinMantissa[c] = s.condProdMinMantissa[c];
        CondProdMaxMantissa[c] = s.condProdMaxMantissa[c];
        CondProdMinExp[c] = s.condProdMinExp[c];
        CondProdMaxExp[c] = s.condProdMaxExp[c];
        StartNrCondActive[c] = s.startNrCondActive[c];
        if (StartNrCondActive[c] == 1)
            ++activeCount;
        if (!HasNumberRuleSettings(s)) {
            CondProdMinReal[c] = 0;
            CondProdMaxReal[c] = 1.0e14;
        }
    }
    StartNrCondActiveCount = activeCount;
    if (s.version >= 4) {
        for (int i = 1; i <= 7; ++i)
            EqualNrRule[i] = s.equalNrRule[i];
        std::memcpy(OddCountForbidden, s.oddCountForbidden, sizeof OddCountForbidden);
        for (int i = 1; i <= 3; ++i)
            PairRules[i] = s.pairRules[i];
    }
}

void ApplyRaceData(const StagedSystem& s)
{
    PointsLoaded = s.pointsLoaded ? 1 : 0;
    for (int i = 1; i <= HorseCount; ++i)
        HorsePoints[i] = s.pointsLoaded ? s.horsePoints[i] : 0;
    StartListHeading = s.startListHeading;
    StartListFetchTime = s.startListFetchTime;
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int n = 1; n <= StartNumbers; ++n) {
            const int i = HorseIndex(r, n);
            HorseNames[r][n] = s.horseNames[r][n];
            OddsTexts[r][n] = s.oddsTexts[r][n];
            HorseValues3[i] = s.horseValues3[i];
            OddsValues[i] = s.oddsValues[i];
            HorsePresent[i] = s.horsePresent[i];
            Scratched[i] = s.scratched[i];
            SavedOwnOrder[r][n] = s.ownOrder[r][n];
        }
        for (int line = 0; line < 5; ++line)
            RaceInfoLines[r][line] = s.raceInfoLines[r][line];
    }
    RestoreOwnOrderPending = 1;
    KeepOwnOrder = 1;
    StartListLoaded = 1;
    StartListFromFile = 1;
}

void ApplyRound(const StagedSystem& s)
{
    if (!HasRoundSections(s))
        return;
    SaveRoundInFile = s.saveRound ? 1 : 0;
    RoundDataInFile = s.roundData ? 1 : 0;
    if (s.saveRound) {
        for (int r = 1; r <= RaceSlots; ++r)
            SavedRoundWinners[r] = s.roundWinners[r];
        for (int i = 1; i <= 3; ++i)
            SavedRoundPayouts[i] = s.roundPayouts[i];
    }
    if (s.roundData)
        ApplyRaceData(s);
    SavedRoundAux = 0;
}

// Without section 39 the reduction inputs go back to their start values; the row store keeps
// what it holds.
void ApplySingleRows(const StagedSystem& s)
{
    RandomCode = s.randomCode;
    std::copy(std::begin(s.reductionPoints) + 1, std::end(s.reductionPoints), ReductionPoints + 1);
    std::copy(std::begin(s.reductionChance) + 1, std::end(s.reductionChance), ReductionChance + 1);
    for (int r = 1; r <= RaceSlots; ++r)
        ReductionPointsSum[r] = s.reductionPointsSum[r];
    SingleRowCount = static_cast<int32>(s.singleRowStarts.size());
    for (int32 k = 1; k <= SingleRowCount; ++k)
        for (int r = 1; r <= RaceSlots; ++r)
            RowStore[r][k] =
                s.singleRowStarts[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(r - 1)];
}

// The limit edits take their texts as their change handlers do, starting from section 41: a
// number is limited to 0-100, an empty or unreadable text leaves the section-41 value.
void ApplyConditionGroups(const StagedSystem& s)
{
    if (!HasGroupSections(s))
        return;
    for (int g = 1; g <= 3; ++g) {
        for (int c = 1; c <= ConditionCount; ++c)
            ConditionGroupMembers[g][c] = s.conditionGroupMembers[g][c];
        ConditionGroupActive[g] = s.conditionGroupActive[g];
    }
    for (int i = 1; i <= 6; ++i)
        ConditionGroupLimits[i] =
            GroupLimitFromText(s.conditionGroupLimitTexts[i], s.conditionGroupLimits[i]);
}

void ApplyTexts(const StagedSystem& s)
{
    for (int c = 1; c <= ConditionCount; ++c) {
        StartNrCondComments[c] = s.startNrCondComments[c];
        PointsCondNames[c] = s.pointsCondNames[c];
    }
    MainFormCaption = s.mainCaption;
    DataFormCaption = s.dataCaption;
    GameType = s.gameType;
}

}  // namespace

StagedSystem StageCurrentSystem(bool withRound)
{
    StagedSystem s;
    SetParseDefaults(s);
    StageStreckAndPayout(s);
    StageSystemHead(s);
    StageMarksAndCompositions(s);
    StageReservesPricesAndSwitches(s);
    StageStartNrConditions(s);
    StagePointsConditions(s);
    StageNumberConditionsAndSettings(s);
    StageRound(s, withRound);
    StageRaceData(s);
    StageSingleRows(s);
    StageConditionGroupsAndTexts(s);
    return s;
}

QByteArray SystemFileBytes(const StagedSystem& system)
{
    StagedSystem newest;
    const StagedSystem* s = &system;
    if (system.version != 7 || !system.streckSections || !system.payoutSections) {
        newest = system;
        newest.version = 7;
        newest.streckSections = newest.payoutSections = true;
        s = &newest;
    }
    QByteArray bytes;
    bytes.reserve(160000 + static_cast<qsizetype>(s->singleRowStarts.size()) * RaceSlots * 4);
    FileWriter writer(bytes);
    bytes.append(NewestTag(s->singleRows));
    bytes.append("\r\n", 2);
    WalkSections(writer, *s);
    return bytes;
}

std::optional<StagedSystem> ParseSystemFile(const QByteArray& bytes)
{
    FileReader reader(bytes);
    QByteArrayView firstLine;
    if (!reader.NextLine(firstLine))
        return std::nullopt;
    const TagLayout* layout = LayoutOfTag(firstLine.first(std::min<qsizetype>(firstLine.size(), 10)));
    if (layout == nullptr)
        return std::nullopt;
    std::optional<StagedSystem> parsed(std::in_place);
    StagedSystem& s = *parsed;
    SetParseDefaults(s);
    s.version = layout->version;
    s.singleRows = layout->singleRows;
    s.streckSections = layout->streckSections;
    s.payoutSections = layout->payoutSections;
    WalkSections(reader, s);
    if (!reader.Ok() || !WholeFileAgrees(s))
        return std::nullopt;
    if (!HasNumberRuleSettings(s))
        SetFirstLayoutConditionSettings(s);
    return parsed;
}

void ApplyStagedSystem(const StagedSystem& s)
{
    ApplyStreckAndPayout(s);
    ApplySystemHead(s);
    ApplyMarksAndCompositions(s);
    ApplyReservesPricesAndSwitches(s);
    ApplyStartNrAndPointsConditions(s);
    ApplyNumberConditionsAndSettings(s);
    ApplyRound(s);
    ApplySingleRows(s);
    ApplyConditionGroups(s);
    ApplyTexts(s);
}
