// Large releases: the manifest check of 8,000 and 20,000 files, and the real Update
// installing such a release from nginx on 127.0.0.1, with its time and peak memory
// (VmHWM) above an Update that only finds itself up to date. The 8,000-file rows
// are the baseline; the ratios of the same run are printed at the end. With
// QUILLMARK_BASELINE_UPDATE naming another Update build (one trusting this
// build's test key), the 8,000-file install is also measured with it.
#include "releaseserver.h"
#include "releasesignature.h"
#include "releasesigner.h"
#include "updatemanifest.h"
#include "updatetestsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Short, flat names: 8,000 of them fit the 1 MiB manifests of earlier builds.
QMap<QString, QByteArray> releaseFiles(int count)
{
    QMap<QString, QByteArray> files;
    for (int i = 0; i < count; ++i)
        files.insert(QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')),
                     QByteArray::number(i) + '\n');
    return files;
}

QMap<QString, double> &results()
{
    static QMap<QString, double> measured;
    return measured;
}

qint64 peakKiB(qint64 pid)
{
    const QByteArray status = readFile(QStringLiteral("/proc/%1/status").arg(pid));
    const qsizetype at = status.indexOf("VmHWM:");
    return at < 0 ? 0
                  : status.mid(at + 6, status.indexOf('\n', at) - at - 6)
                        .trimmed()
                        .split(' ')
                        .first()
                        .toLongLong();
}

void manifestCheck(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QByteArray body = ReleaseSigner::envelope(ReleaseSigner::manifest(
        QStringLiteral("2.1.3"), QStringLiteral("http://127.0.0.1/update"), releaseFiles(count)));
    const QList<QByteArray> keys = ReleaseSignature::builtInKeys();
    QElapsedTimer clock;
    qint64 nanoseconds = 0;
    for (auto _ : state) {
        clock.start();
        const UpdateManifest::Result result = UpdateManifest::check(body, keys, 0);
        nanoseconds += clock.nsecsElapsed();
        if (result.files.size() != count)
            state.SkipWithError(qPrintable(result.reason));
    }
    state.counters["manifest_KiB"] = double(body.size()) / 1024;
    results()[QStringLiteral("check %1 ms").arg(count)] =
        double(nanoseconds) / 1e6 / double(state.iterations());
}

// One whole install by the real program. Count 0 is the program that finds itself
// up to date, the memory every install needs anyway; "list" is the program that
// reads and checks the whole manifest, then finds the version installed: what
// the list itself costs without a download.
void install(benchmark::State &state, const QString &program, const QString &label)
{
    const bool listOnly = label == QLatin1String("list");
    const int count = int(state.range(0));
    ReleaseServer server;
    if (!server.serve()) {
        state.SkipWithError(qPrintable(server.error()));
        return;
    }
    const QMap<QString, QByteArray> files = releaseFiles(count);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeFile(server.releaseDir() + QStringLiteral("/update/2.1.3/") + it.key(), it.value());
    const QByteArray manifest = ReleaseSigner::envelope(ReleaseSigner::manifest(
        QStringLiteral("2.1.3"), server.baseUrl() + QStringLiteral("/update"), files));
    writeFile(server.releaseDir() + QStringLiteral("/update/update.json"), manifest);
    for (auto _ : state) {
        UpdaterRun run(program);
        writeUpdateConfig(run.path(QStringLiteral("config.ini")), server.manifestUrl(),
                          count == 0 || listOnly ? QStringLiteral("2.1.3")
                                                 : QStringLiteral("2.1.2"));
        QElapsedTimer clock;
        clock.start();
        run.start();
        if (!run.waitForLog("所有文件下载完成", 20 * 60 * 1000)) {
            state.SkipWithError("the install did not complete");
            break;
        }
        const double seconds = double(clock.elapsed()) / 1000;
        const double peak = double(peakKiB(run.pid())) / 1024;
        state.SetIterationTime(seconds);
        state.counters["seconds"] = seconds;
        state.counters["peak_MiB"] = peak;
        state.counters["manifest_KiB"] = double(manifest.size()) / 1024;
        results()[QStringLiteral("%1 %2 s").arg(label).arg(count)] = seconds;
        results()[QStringLiteral("%1 %2 MiB").arg(label).arg(count)] = peak;
        if (count > 0 && !listOnly && readFile(run.path(files.lastKey())) != files.last())
            state.SkipWithError("the last file is not in place");
    }
}

void printRatios()
{
    const QMap<QString, double> &r = results();
    const auto row = [&r](const QString &what, const QString &base, const QString &unit) {
        if (r.contains(what) && r.contains(base) && r.value(base) > 0)
            std::printf("%-34s %10.2f %s   %5.2fx the 8,000-file baseline\n", qPrintable(what),
                        r.value(what), qPrintable(unit), r.value(what) / r.value(base));
    };
    std::printf("\nRatios against the 8,000-file baseline of this run:\n");
    row(QStringLiteral("check 20000 ms"), QStringLiteral("check 8000 ms"), QStringLiteral("ms"));
    row(QStringLiteral("install 20000 s"), QStringLiteral("install 8000 s"), QStringLiteral("s"));
    const double idle = r.value(QStringLiteral("install 0 MiB"));
    for (const QString &label :
         {QStringLiteral("list"), QStringLiteral("install"), QStringLiteral("earlier build")}) {
        for (const int count : {8000, 20000}) {
            const QString key = QStringLiteral("%1 %2 MiB").arg(label).arg(count);
            if (r.contains(key) && idle > 0)
                std::printf("%-34s %10.0f bytes per file above the idle %.1f MiB\n",
                            qPrintable(key + QStringLiteral(" growth")),
                            (r.value(key) - idle) * 1024 * 1024 / count, idle);
        }
    }
    row(QStringLiteral("earlier build 8000 s"), QStringLiteral("install 8000 s"),
        QStringLiteral("s"));
    row(QStringLiteral("earlier build 8000 MiB"), QStringLiteral("install 8000 MiB"),
        QStringLiteral("MiB"));
}

} // namespace

BENCHMARK(manifestCheck)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const auto registerInstall = [](const char *name, const QString &program, const QString &label,
                                    std::initializer_list<int> counts) {
        auto *bench = benchmark::RegisterBenchmark(name, install, program, label);
        for (const int count : counts)
            bench->Arg(count);
        bench->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
    };
    registerInstall("install", QStringLiteral(UPDATE_PROGRAM), QStringLiteral("install"),
                    {0, 8000, 20000});
    registerInstall("listOnly", QStringLiteral(UPDATE_PROGRAM), QStringLiteral("list"),
                    {8000, 20000});
    const QString earlier = qEnvironmentVariable("QUILLMARK_BASELINE_UPDATE");
    if (!earlier.isEmpty())
        registerInstall("installEarlierBuild", earlier, QStringLiteral("earlier build"), {8000});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
