// CreateAccountTable on a current account table of 10,000 rows on a private MariaDB, as
// each opening of the sign-in window runs it. Besides its time per call it reports the
// time of the removal of rows without a mobile number on its own (a full scan: the table
// has no index), that removal's share, and how many ALTER TABLE statements a call ran.
#include <QSqlQuery>

#include <benchmark/benchmark.h>

#include <exception>

#include "platform/SqlCommand.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "support/CoreBenchmarkMain.h"
#include "support/SecondsOf.h"
#include "support/SeededAccountDatabase.h"

namespace
{

constexpr int accountRows = 10000;

double alterStatementsSoFar()
{
    QSqlQuery status = execSql(mdlPublicVar::hostContext().CON(),
                               QStringLiteral("show session status like 'Com_alter_table'"));
    return status.next() ? status.value(1).toDouble() : 0;
}

void createAccountTableOnTenThousandRows(benchmark::State &state)
{
    try {
        SeededAccountDatabase accounts(accountRows);
        const auto removeRowsWithoutMobileNumber = [] {
            execSql(mdlPublicVar::hostContext().CON(),
                    QStringLiteral("DELETE FROM it_TBL115BAC WHERE MobileNo=''"));
        };
        double tableSeconds = 0;
        double deleteSeconds = 0;
        const double altersBefore = alterStatementsSoFar();
        for (auto _ : state) {
            const double seconds = secondsOf(CreateAccountTable);
            state.SetIterationTime(seconds);
            tableSeconds += seconds;
            deleteSeconds += secondsOf(removeRowsWithoutMobileNumber);
        }
        const double calls = double(state.iterations());
        state.counters["create_account_table_ms"] = 1000.0 * tableSeconds / calls;
        state.counters["delete_ms"] = 1000.0 * deleteSeconds / calls;
        state.counters["delete_share"] = deleteSeconds / tableSeconds;
        state.counters["alters_per_call"] = (alterStatementsSoFar() - altersBefore) / calls;
        state.counters["account_rows"] = accountRows;
    } catch (const std::exception &error) {
        state.SkipWithError(error.what());
    }
}

} // namespace

BENCHMARK(createAccountTableOnTenThousandRows)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithCoreApplication(argc, argv);
}
