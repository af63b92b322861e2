// Building the tray menu's description, as happens each time the menu is about to open.
#include "ui/model/StatusMenuModel.h"

#include <benchmark/benchmark.h>

namespace {

StatusMenuModel::Input twentyCards()
{
    StatusMenuModel::Input input;
    for (int i = 0; i < 20; ++i) {
        const QString name = QStringLiteral("CARD_%1").arg(i);
        DetectedCard card;
        card.deviceName = QStringLiteral("sd%1").arg(QChar(u'b' + i));
        card.name = name;
        if (i % 4 == 3) {
            card.isEjected = true; // resting in a slot
        } else if (i % 4 != 2) {
            card.mountURL = QUrl::fromLocalFile(QStringLiteral("/media/me/") + name);
            card.freeBytes = 1'000'000'000LL * (i + 1) + 123'456'789;
            MountedCard mounted;
            mounted.url = *card.mountURL;
            mounted.name = name;
            mounted.freeBytes = card.freeBytes;
            input.mountedCards.append(mounted);
        }
        input.detectedCards.append(card);
    }
    return input;
}

void BM_BuildMenu20Cards(benchmark::State &state)
{
    const StatusMenuModel::Input input = twentyCards();
    for (auto _ : state) {
        QList<StatusMenuItem> items = StatusMenuModel::build(input);
        benchmark::DoNotOptimize(items);
    }
}
BENCHMARK(BM_BuildMenu20Cards)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_Retitle20Cards(benchmark::State &state)
{
    const StatusMenuModel::Input input = twentyCards();
    QList<StatusMenuItem> items = StatusMenuModel::build(input);
    QList<DetectedCard> fresher = input.detectedCards;
    for (DetectedCard &card : fresher) {
        if (card.freeBytes)
            *card.freeBytes -= 1'000'000;
    }
    for (auto _ : state) {
        QList<StatusMenuItem> open = items;
        benchmark::DoNotOptimize(StatusMenuModel::retitle(open, fresher));
    }
}
BENCHMARK(BM_Retitle20Cards)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
