#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "conditions/abcdlist.h"
#include "conditions/groupconditions.h"
#include "conditions/groupsystem.h"
#include "conditions/keptcoupons.h"
#include "model/variabl.h"
#include "output/reserves.h"
#include "racedata/filenames.h"
#include "support/marks.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfile.h"
#include "sysfile/systemfileformat.h"

namespace {

bool Yes(const QString&)
{
    return true;
}

bool No(const QString&)
{
    return false;
}

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The kept totals in the result labels, as the coupon-reduction window publishes them.
void PublishKeptTotals()
{
    const KeptCouponTotals totals = RecomputeCouponSelection();
    ResultLabels.Radantal = totals.rows;
    ResultLabels.Kup = totals.coupons;
    ResultLabels.Reducgrad = totals.reduction;
    ResultLabels.Prisrader = totals.price.rows;
    ResultLabels.Prisavg = totals.price.fees;
    ResultLabels.Pristot = totals.price.total;
    ResultLabels.PriceVisible = true;
}

// A group system with coupon 2 dropped, a name, an ABCD group condition and a start-number
// condition.
void BuildKeptGroupSystem()
{
    MarkEveryRace("AAB.C");
    GroupCondCells[1][GroupB][1] = GroupCondCells[2][GroupB][1] = 1;
    UpdateGroupConditionReach(1);
    GroupCondForbiddenHits[2][1] = 1;
    EvaluateAbcdConditions();
    StartNrCondMarks[3][4][5] = 1;
    StartNrCondUsed[5] = 1;
    StartNrCondUsedCount = 1;
    SystemName = QStringLiteral("Helgens system");
    MainFormCaption = QStringLiteral("Vimsta för V65-V64, version 18.2");
    GroupSystemBuilt = 1;
    SplitGroupSystemIntoCoupons();
    CouponKept[2] = 0;
    PublishKeptTotals();
}

// Section 11 with every group of every race slot claiming fifteen horses, whatever its marks:
// 60 horses a race would give more rows than 32 bits hold.
QByteArray WithFifteenInEveryGroup(const QByteArray& file)
{
    QList<QByteArray> lines = file.split('\n');
    for (int race = 1; race <= RaceSlots; ++race)
        for (int group = GroupA; group <= GroupD; ++group)
            lines[331 + 80 * (race - 1) + 16 * group] = "15\r";
    return lines.join('\n');
}

// What the window does after a load: the rebuild in the loaded mode, then the finish.
SystemLoadOutcome LoadAndRebuild(const QString& path)
{
    const SystemLoadOutcome outcome = LoadSystemFile(path);
    if (outcome.rebuild) {
        if (GroupSystemBuilt == 1)
            SplitGroupSystemIntoCoupons();
        FinishLoadedRebuild();
    }
    return outcome;
}

class SystemFileFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        InitAbcdList();
        ASSERT_TRUE(dir_.isValid());
    }

    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(SystemFileFlowTest, ASavedGroupSystemComesBackWithItsKeptCouponsAndCountsAsSaved)
{
    BuildKeptGroupSystem();
    const SystemFileOutcome saved = SaveSystemFile(PathOf(QStringLiteral("helg")), Yes);
    ASSERT_TRUE(saved.done) << saved.message.toStdString();
    EXPECT_EQ(SystemSaved, 1);
    const QString path = PathOf(QStringLiteral("helg.SV6"));
    ASSERT_TRUE(QFile::exists(path));
    const StagedSystem before = StageCurrentSystem(false);
    const int32 keptCount = KeptCouponCount, rowsKept = RowsKept, unreduced = UnreducedRowCount;
    const int32 secondKept = KeptCoupons[2];
    const int32 afterGroupConditions = RowsAfterGroupConditions;

    ResetGlobals();
    InitAbcdList();
    const SystemLoadOutcome loaded = LoadAndRebuild(path);
    ASSERT_TRUE(loaded.file.done);
    EXPECT_TRUE(loaded.file.message.isEmpty());
    EXPECT_TRUE(loaded.rebuild);
    EXPECT_FALSE(loaded.rowCountDiffers);

    EXPECT_TRUE(StageCurrentSystem(false) == before);
    EXPECT_EQ(CouponKept[2], 0);
    EXPECT_EQ(KeptCouponCount, keptCount);
    EXPECT_EQ(KeptCoupons[2], secondKept);
    EXPECT_EQ(RowsKept, rowsKept);
    EXPECT_EQ(UnreducedRowCount, unreduced);
    EXPECT_EQ(RowsAfterGroupConditions, afterGroupConditions);
    EXPECT_EQ(GroupCondCount, 1);
    EXPECT_EQ(KeepLoadedCouponSelection, 0);
    EXPECT_EQ(SystemSaved, 1);
    EXPECT_EQ(ResultLabels.Kup, QString::number(keptCount));
    EXPECT_EQ(ResultLabels.Radantal, QString::number(rowsKept));
    EXPECT_TRUE(ResultLabels.PriceVisible);
    EXPECT_EQ(PointsCondReloadPending, 1);
    EXPECT_EQ(ReserveAux, 1);
    EXPECT_EQ(SaveSystemFile(PathOf(QStringLiteral("igen")), Yes).done, true);
    EXPECT_EQ(BytesOf(PathOf(QStringLiteral("igen.SV6"))), BytesOf(path));
}

TEST_F(SystemFileFlowTest, ASingleRowSystemShowsItsRowsAndPriceAndTellsTheChanceWindowWithoutARebuild)
{
    MarkEveryRace("AB");
    SingleRowsBuilt = 1;
    SingleRowCount = 2;
    for (int32 row = 1; row <= 2; ++row)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][row] = race == RaceSlots ? 1 : row;
    ASSERT_TRUE(SaveSystemFile(PathOf(QStringLiteral("enkel.SV6")), Yes).done);

    ResetGlobals();
    const SystemLoadOutcome loaded = LoadSystemFile(PathOf(QStringLiteral("enkel.SV6")));
    ASSERT_TRUE(loaded.file.done);
    EXPECT_FALSE(loaded.rebuild);
    EXPECT_EQ(SingleRowsBuilt, 1);
    EXPECT_EQ(SystemSaved, 1);
    EXPECT_EQ(ResultLabels.Radantal, QStringLiteral("2"));
    EXPECT_EQ(ResultLabels.Kup, QStringLiteral("enkelrader"));
    EXPECT_TRUE(ResultLabels.PriceVisible);
    EXPECT_EQ(ResultLabels.Prisrader, QStringLiteral("2"));
    EXPECT_FALSE(ResultLabels.ReducgradVisible);
    EXPECT_EQ(ChanceSystemRows, 2);
    EXPECT_EQ(RowStore[2][2], 2);
}

// Whatever is wrong with the file, not a table changes: not the marks, not the caption.
TEST_F(SystemFileFlowTest, ARefusedOrMissingFileChangesNothing)
{
    BuildKeptGroupSystem();
    ASSERT_TRUE(SaveSystemFile(PathOf(QStringLiteral("hel.SV6")), Yes).done);
    const QByteArray whole = BytesOf(PathOf(QStringLiteral("hel.SV6")));
    MainFormCaption = QStringLiteral("Min egen rubrik");
    SystemSaved = 0;
    const StagedSystem before = StageCurrentSystem(false);
    const struct {
        const char* name;
        QByteArray bytes;
    } refused[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("Inget system här\r\n")},
        {"tag in lower case", QByteArray(whole).replace(0, 3, "v64")},
        {"cut in section 16", whole.left(whole.size() / 4)},
        {"without its last line", whole.left(whole.size() - 5)},
        {"group sizes that its marks do not give", WithFifteenInEveryGroup(whole)},
    };
    for (const auto& file : refused) {
        SCOPED_TRACE(file.name);
        const QString path = PathOf(QStringLiteral("trasig.SV6"));
        WriteBytes(path, file.bytes);
        const SystemLoadOutcome outcome = LoadSystemFile(path);
        EXPECT_FALSE(outcome.file.done);
        EXPECT_EQ(outcome.file.message, SystemFileRefusedMessage);
        EXPECT_TRUE(StageCurrentSystem(false) == before);
        EXPECT_EQ(MainFormCaption, QStringLiteral("Min egen rubrik"));
        EXPECT_EQ(CouponsBuilt, 1);
        EXPECT_EQ(SystemSaved, 0);
    }
    const SystemLoadOutcome missing = LoadSystemFile(PathOf(QStringLiteral("saknas.txt")));
    EXPECT_FALSE(missing.file.done);
    EXPECT_EQ(missing.file.message, QStringLiteral("Filen ") +
                                        QDir::toNativeSeparators(PathOf(QStringLiteral("saknas.SV6"))) +
                                        QStringLiteral(" finns ej."));
    EXPECT_TRUE(StageCurrentSystem(false) == before);
}

// Marks changed after a save raise the red " ? " of the chosen reserve order; the load puts
// the saved order, which fits the saved marks, in force again.
TEST_F(SystemFileFlowTest, ALoadPutsTheSavedReserveOrderInForce)
{
    MarkEveryRace("AB");
    ReserveMode = ReserveModeChosenOrder;
    ASSERT_TRUE(SaveSystemFile(PathOf(QStringLiteral("reserver.SV6")), Yes).done);
    MarkHorse(1, GroupC, 3);
    ASSERT_TRUE(ReserveSignalShown);
    ASSERT_TRUE(LoadSystemFile(PathOf(QStringLiteral("reserver.SV6"))).file.done);
    EXPECT_FALSE(ReserveSignalShown);
    EXPECT_EQ(ReserveMode, ReserveModeChosenOrder);
}

// A file without a system must not leave old keep flags for the next construction to use.
TEST_F(SystemFileFlowTest, OnlyASavedSystemWithCouponsKeepsItsCouponSelection)
{
    MarkEveryRace("AAB");
    ASSERT_TRUE(SaveSystemFile(PathOf(QStringLiteral("utan.SV6")), Yes).done);
    EXPECT_EQ(CouponCount, 0);
    CouponKept[1] = 0;
    CouponCount = 1;
    const SystemLoadOutcome loaded = LoadAndRebuild(PathOf(QStringLiteral("utan.SV6")));
    ASSERT_TRUE(loaded.file.done);
    EXPECT_FALSE(loaded.rebuild);
    EXPECT_EQ(KeepLoadedCouponSelection, 0);
    EXPECT_EQ(SystemSaved, 0);
    GroupSystemBuilt = 1;
    SplitGroupSystemIntoCoupons();
    EXPECT_EQ(CouponKept[1], 1);
    EXPECT_EQ(KeptCouponCount, CouponCount);

    CouponKept[1] = 0;
    ASSERT_TRUE(SaveSystemFile(PathOf(QStringLiteral("med.SV6")), Yes).done);
    const SystemLoadOutcome withSystem = LoadSystemFile(PathOf(QStringLiteral("med.SV6")));
    EXPECT_TRUE(withSystem.rebuild);
    EXPECT_EQ(KeepLoadedCouponSelection, 1);
    SplitGroupSystemIntoCoupons();
    FinishLoadedRebuild();
    EXPECT_EQ(KeepLoadedCouponSelection, 0);
    EXPECT_EQ(CouponKept[1], 0);
}

// Section 10's unreduced row count (line 326) against the marks: a mismatch is reported and
// the load goes on.
TEST_F(SystemFileFlowTest, ASavedRowCountThatTheMarksDoNotGiveIsReportedAndTheLoadGoesOn)
{
    MarkEveryRace("AB");
    ASSERT_TRUE(SaveSystemFile(PathOf(QStringLiteral("rader.SV6")), Yes).done);
    QList<QByteArray> lines = BytesOf(PathOf(QStringLiteral("rader.SV6"))).split('\n');
    ASSERT_EQ(lines[325], QByteArray("64\r"));
    lines[325] = "65\r";
    WriteBytes(PathOf(QStringLiteral("rader.SV6")), lines.join('\n'));
    ResetGlobals();
    const SystemLoadOutcome loaded = LoadSystemFile(PathOf(QStringLiteral("rader.SV6")));
    EXPECT_TRUE(loaded.file.done);
    EXPECT_TRUE(loaded.rowCountDiffers);
    EXPECT_EQ(UnreducedRowCount, 64);
    EXPECT_EQ(LoadRowCountMismatchMessage, QStringLiteral("Något blev fel vid inläsningen. AVBRYT!"));
}

TEST_F(SystemFileFlowTest, SaveForcesTheExtensionAsksBeforeReplacingAndReportsAFailedWrite)
{
    const QString longStem = QStringLiteral("/tmp/") + QString(240, QLatin1Char('n'));
    const struct {
        QString chosen, saved;
    } names[] = {
        {QStringLiteral("/a/system"), QStringLiteral("/a/system.SV6")},
        {QStringLiteral("/a/system.txt"), QStringLiteral("/a/system.SV6")},
        {QStringLiteral("/a/system.sv6"), QStringLiteral("/a/system.SV6")},
        {QStringLiteral("/a.b/system"), QStringLiteral("/a.b/system.SV6")},
        {QStringLiteral("C:\\a.b\\system"), QStringLiteral("C:\\a.b\\system.SV6")},
        {longStem + QStringLiteral(".txt"), longStem + QStringLiteral(".SV6")},
    };
    for (const auto& name : names)
        EXPECT_EQ(WithExtension(name.chosen, QStringLiteral(".SV6")), name.saved);

    const QString path = PathOf(QStringLiteral("gammal.SV6"));
    WriteBytes(path, "gammalt\r\n");
    CouponsBuilt = 0;
    CouponCount = 7;
    QString asked;
    const SystemFileOutcome declined =
        SaveSystemFile(PathOf(QStringLiteral("gammal.txt")), [&](const QString& q) {
            asked = q;
            return false;
        });
    EXPECT_FALSE(declined.done);
    EXPECT_TRUE(declined.message.isEmpty());
    EXPECT_EQ(asked, QStringLiteral("Ska systemet gammal.SV6 skrivas över?"));
    EXPECT_EQ(BytesOf(path), QByteArray("gammalt\r\n"));
    EXPECT_EQ(SystemSaved, 0);
    EXPECT_EQ(CouponCount, 0);

    const SystemFileOutcome failed = SaveSystemFile(PathOf(QStringLiteral("saknas/system")), No);
    EXPECT_FALSE(failed.done);
    EXPECT_FALSE(failed.message.isEmpty());
    EXPECT_EQ(SystemSaved, 0);
}

// The erase aims at the typed name with ".V75", and so does the test that it exists.
TEST_F(SystemFileFlowTest, TheDeleteWindowTestsTheNameItErases)
{
    WriteBytes(PathOf(QStringLiteral("a.V75")), "x");
    WriteBytes(PathOf(QStringLiteral("b.SV6")), "x");
    const struct {
        QString typed, shown;
        bool exists;
    } cases[] = {
        {QStringLiteral("a.V75"), QStringLiteral("a.V75"), true},
        {QStringLiteral("a"), QStringLiteral("a.V75"), true},
        {QStringLiteral("a.txt"), QStringLiteral("a.V75"), true},
        {QStringLiteral("b.SV6"), QStringLiteral("b.V75"), false},
        {QStringLiteral("*.V75"), QStringLiteral("*.V75"), false},
        {QString(), QStringLiteral(".V75"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const ErasableFile file = FileToErase(dir_.path(), c.typed);
        EXPECT_EQ(file.shownName, c.shown);
        EXPECT_EQ(file.exists, c.exists);
    }
    const ErasableFile absolute = FileToErase(QStringLiteral("/"), PathOf(QStringLiteral("a")));
    EXPECT_TRUE(absolute.exists);
    EXPECT_TRUE(EraseFile(absolute.path));
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("a.V75"))));
    EXPECT_FALSE(EraseFile(absolute.path));
}

// The reset empties what the file always brings again and leaves the rest to the sections.
TEST_F(SystemFileFlowTest, TheResetBeforeALoadEmptiesMarksAndPatternConditionsOnly)
{
    MarkEveryRace("AB");
    WinnerCountAllowed[3][GroupB] = 0;
    CompositionNej[5] = 1;
    NejCount = 1;
    GroupCondCells[0][0][4] = 1;
    GroupCondCells[2][GroupA][4] = 1;
    PayoutMin = 10;
    ConditionSwitches.payout = true;
    StartNrCondUsedCount = 1;
    SingleRowCount = 9;
    ResetSystemBeforeLoad();
    EXPECT_EQ(HorseGroups[RaceSlots][GroupA][1], 0);
    EXPECT_EQ(HorseGroups[1][0][1], 0);
    EXPECT_EQ(WinnerCountAllowed[3][GroupB], 1);
    EXPECT_EQ(CompositionNej[5], 0);
    EXPECT_EQ(NejCount, 0);
    EXPECT_EQ(GroupCondCells[2][GroupA][4], 0);
    EXPECT_EQ(GroupCondCells[0][0][4], 1);
    EXPECT_EQ(PayoutMin, 0);
    EXPECT_EQ(PayoutMax, 100000000);
    EXPECT_FALSE(ConditionSwitches.payout);
    EXPECT_EQ(UnreducedRowCount, 0);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(ResultLabels.Kup, QStringLiteral("XX"));
    EXPECT_EQ(StartNrCondUsedCount, 1);
    EXPECT_EQ(SingleRowCount, 9);
}

}  // namespace
