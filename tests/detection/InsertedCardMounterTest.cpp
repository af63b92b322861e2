#include "detection/InsertedCardMounter.h"

#include "common/FakeDiskSession.h"
#include "common/ManualTimers.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

struct Harness {
    std::shared_ptr<FakeDiskSession::Probe> probe = std::make_shared<FakeDiskSession::Probe>();
    ManualTimers timers;
    RecordingLogger log;
    bool enabled = true;
    QStringList problems;
    std::shared_ptr<InsertedCardMounter::Memory> memory = std::make_shared<InsertedCardMounter::Memory>();
    std::unique_ptr<InsertedCardMounter> session;

    Harness() { restart(); }
    void restart()
    {
        session = std::make_unique<InsertedCardMounter>(std::make_unique<FakeDiskSession>(probe),
            InsertedCardMounter::Services { &log, &timers, [this] { return enabled; },
                [this](const QString &card, const QString &text) { problems.append(card + u": "_s + text); },
                memory });
        session->start({});
    }
    static DiskDescription card(const QString &device, const QString &label = u"AUTO30_A"_s)
    {
        DiskDescription disk;
        disk.deviceName = device;
        disk.volumeName = label;
        disk.isMountable = disk.hintAuto = true;
        return disk;
    }
    void insert(const DiskDescription &disk)
    {
        probe->disks.insert(disk.deviceName);
        probe->callbacks.appeared(disk);
    }
    void pull(const QString &device) { probe->callbacks.disappeared(device); }
    void answer(const QString &dissent) { probe->pending.takeFirst()(dissent); }
    int warnings() const { return int(log.lines().filter(u"[WARN]"_s).size()); }
};

TEST(InsertedCardMounter, MountsAnAutoCardOnceAfterTheGraceUnlessSomeoneElseDid)
{
    Harness h;
    DiskDescription a = Harness::card(u"loop7"_s);
    h.insert(a);
    h.timers.advance(1499ms);
    EXPECT_TRUE(h.probe->requests.isEmpty());
    h.timers.advance(1ms);
    EXPECT_EQ(h.probe->requests, QStringList { u"mount loop7"_s });
    EXPECT_TRUE(
        h.log.contains(u"[INFO] Mounting AUTO30_A: inserted and not mounted by the desktop within 1.5 s"_s));
    h.probe->pending.takeFirst()(std::nullopt);
    a.volumePath = u"/media/root/AUTO30_A"_s;
    h.probe->callbacks.descriptionChanged(a);
    a.volumePath.clear(); // unmounted by the user: left so until reinserted
    h.probe->callbacks.descriptionChanged(a);
    h.timers.advance(10s);
    h.pull(a.deviceName);
    h.insert(a);
    h.timers.advance(1500ms);
    EXPECT_EQ(h.probe->requests.size(), 2);

    // Left alone: mounted by the desktop first, pulled in the grace, hints against it, setting off.
    DiskDescription byDesktop = Harness::card(u"loop8"_s);
    h.insert(byDesktop);
    byDesktop.volumePath = u"/media/root/AUTO30_A"_s;
    h.probe->callbacks.descriptionChanged(byDesktop);
    h.insert(Harness::card(u"loop9"_s));
    h.pull(u"loop9"_s);
    for (bool DiskDescription::*hint :
        { &DiskDescription::hintIgnore, &DiskDescription::hintSystem, &DiskDescription::hintAuto }) {
        DiskDescription hinted = Harness::card(u"sdc1"_s);
        hinted.*hint = !(hinted.*hint);
        h.insert(hinted);
        h.pull(u"sdc1"_s);
    }
    h.timers.advance(5s);
    h.enabled = false;
    h.insert(Harness::card(u"sde1"_s));
    h.timers.advance(5s);
    EXPECT_EQ(h.probe->requests.size(), 2) << h.probe->requests.join(u", "_s).toStdString();
    EXPECT_TRUE(h.problems.isEmpty());
}

TEST(InsertedCardMounter, ARefusalIsToldOnceAndNeverRetried)
{
    Harness h;
    h.insert(Harness::card(u"loop7"_s));
    h.insert(Harness::card(u"loop8"_s, u"AUTO30_B"_s));
    h.insert(Harness::card(u"loop9"_s, u"AUTO30_C"_s));
    h.timers.advance(1500ms);
    h.answer(u"org.freedesktop.UDisks2.Error.Failed: Error mounting /dev/loop7: wrong fs type"_s);
    h.answer(u"org.freedesktop.UDisks2.Error.AlreadyMounted: Device /dev/loop8 is already mounted"_s);
    h.answer(u"org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain: Not authorized to perform operation"_s);
    h.probe->callbacks.descriptionChanged(Harness::card(u"loop7"_s));
    h.timers.advance(10s);
    EXPECT_EQ(h.probe->requests.size(), 3);
    EXPECT_EQ(h.problems,
        QStringList({ u"AUTO30_A: Error mounting /dev/loop7: wrong fs type"_s,
            u"AUTO30_C: Not authorized to perform operation"_s }));
    EXPECT_EQ(h.warnings(), 2);

    // Not authorized again, reinserted under a new disk session: neither logged nor shown.
    h.restart();
    h.insert(Harness::card(u"loop9"_s, u"AUTO30_C"_s));
    h.timers.advance(1500ms);
    h.answer(u"org.freedesktop.UDisks2.Error.NotAuthorized: Not authorized to perform operation"_s);
    EXPECT_EQ(h.problems.size(), 2);
    EXPECT_EQ(h.warnings(), 2);
}

} // namespace
