// Time from the host's SignUp call to the first painted frame of the sign-in window, its
// account table holding 10,000 rows (see SignInBench::accountRows) of twenty machines on a
// private MariaDB, against a plain QDialog with the same standard controls in five frames
// shown the same way.
// ratio_to_bare_dialog is the window's time over the plain dialog's: what the start-up
// reads, the custom controls and the window's own set-up cost on top of Qt's floor.
// table_preparation_ms times the account-table creation step of the start-up on its own;
// full_scan_ms one count of the table's rows, the least any read of this unindexed table
// costs (the start-up makes two such scans: the rows without a number, the remembered row).
#include <QWidget>

#include <benchmark/benchmark.h>

#include "platform/SqlCommand.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignUpPanel.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "support/BareSignInDialog.h"
#include "support/FirstPaintWatcher.h"
#include "support/PanelCensus.h"
#include "support/SecondsOf.h"
#include "support/SignInBench.h"

namespace
{

QList<PanelCensus> panelsOf(const FrmSignUp &window)
{
    QList<PanelCensus> panels;
    for (const QWidget *panel : std::initializer_list<const QWidget *>{
             window.Frame5(), window.Frame1(), window.Frame6(), window.Frame7(), window.Frame8()})
        panels << PanelCensus::of(*panel);
    return panels;
}

void countRows()
{
    execSql(mdlPublicVar::hostContext().CON(), QStringLiteral("SELECT Count(*) FROM it_TBL115BAC"));
}

void skipWith(benchmark::State &state, const FirstPaintWatcher &watcher, const char *what)
{
    const QString reason =
        watcher.messageShown().isEmpty()
            ? QStringLiteral("%1 painted no frame").arg(QLatin1String(what))
            : QStringLiteral("%1 showed \"%2\"").arg(QLatin1String(what), watcher.messageShown());
    state.SkipWithError(qPrintable(reason));
}

void signUpToFirstFrame(benchmark::State &state)
{
    FirstPaintWatcher watcher;

    // The first opening loads plugins, fonts and pictures once per process; it is
    // reported on its own and tells the plain dialog what to hold.
    QList<PanelCensus> panels;
    QSize size;
    const std::optional<double> firstOpening =
        watcher.timeFirstFrame(SignInBench::openWindow, [&](QWidget &window) {
            panels = panelsOf(static_cast<FrmSignUp &>(window));
            size = window.size();
        });
    if (!firstOpening || panels.isEmpty())
        return skipWith(state, watcher, "the sign-in window");

    const auto openBareDialog = [&] {
        BareSignInDialog dialog(panels, size);
        dialog.exec();
    };
    if (!watcher.timeFirstFrame(openBareDialog))
        return skipWith(state, watcher, "the plain dialog");

    double signInSeconds = 0;
    double bareSeconds = 0;
    double tableSeconds = 0;
    double scanSeconds = 0;
    for (auto _ : state) {
        const std::optional<double> signIn = watcher.timeFirstFrame(SignInBench::openWindow);
        if (!signIn)
            return skipWith(state, watcher, "the sign-in window");
        const std::optional<double> bare = watcher.timeFirstFrame(openBareDialog);
        if (!bare)
            return skipWith(state, watcher, "the plain dialog");
        state.SetIterationTime(*signIn);
        signInSeconds += *signIn;
        bareSeconds += *bare;
        tableSeconds += secondsOf(CreateAccountTable);
        scanSeconds += secondsOf(countRows);
    }
    const double openings = double(state.iterations());
    state.counters["first_opening_ms"] = 1000.0 * *firstOpening;
    state.counters["bare_dialog_ms"] = 1000.0 * bareSeconds / openings;
    state.counters["table_preparation_ms"] = 1000.0 * tableSeconds / openings;
    state.counters["full_scan_ms"] = 1000.0 * scanSeconds / openings;
    state.counters["ratio_to_bare_dialog"] = signInSeconds / bareSeconds;
    state.counters["controls"] = controlsIn(panels);
    state.counters["account_rows"] = SignInBench::accountRows();
}

} // namespace

BENCHMARK(signUpToFirstFrame)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return SignInBench::run(argc, argv);
}
