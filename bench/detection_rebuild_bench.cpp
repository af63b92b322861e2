// The card list rebuild over a busy machine: 64 disks, 16 mounted cards, 4 slots.
#include "detection/DetectedCardList.h"

#include <benchmark/benchmark.h>

namespace {

DetectedCardList::Inputs busyMachine()
{
    DetectedCardList::Inputs inputs;
    for (int i = 0; i < 64; ++i) {
        DiskDescription disk;
        disk.deviceName = QStringLiteral("sd") + QString::number(i) + QStringLiteral("1");
        disk.volumeName = QStringLiteral("CARD ") + QString::number(i);
        disk.bus = i % 4 == 0 ? DiskBus::Mmc : DiskBus::Usb;
        disk.volumeKind = QStringLiteral("exfat");
        disk.isMountable = disk.isRemovable = true;
        if (i < 16) {
            disk.volumePath = QStringLiteral("/media/me/CARD ") + QString::number(i);
            inputs.mountedCards.append(MountedCard { QUrl::fromLocalFile(disk.volumePath), disk.volumeName,
                true, true, qint64(i) * 1'000'000'000 });
            inputs.deviceNamesByMountPath.insert(disk.volumePath, disk.deviceName);
        }
        inputs.disks.insert(disk.deviceName, disk);
    }
    for (int i = 0; i < 4; ++i) {
        inputs.slotCards.append(SlotCard { QString::number(1000 + i), QStringLiteral("SD64") });
        inputs.knownNames.insert(QString::number(1000 + i), QStringLiteral("CARD ") + QString::number(i * 4));
    }
    inputs.current = DetectedCardList::rebuild(inputs).cards;
    return inputs;
}

void BM_RebuildDetectedCards(benchmark::State &state)
{
    const DetectedCardList::Inputs inputs = busyMachine();
    for (auto _ : state) {
        DetectedCardList::Outcome outcome = DetectedCardList::rebuild(inputs);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RebuildDetectedCards)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
