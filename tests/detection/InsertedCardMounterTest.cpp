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
    DiskDescription insert(const QString &device, const QString &label = u"AUTO30_A"_s)
    {
        DiskDescription disk;
        disk.deviceName = device;
        disk.volumeName = label;
        disk.isMountable = disk.hintAuto = true;
        probe->disks.insert(device);
        probe->callbacks.appeared(disk);
        return disk;
    }
    void answer(const QString &dissent) { probe->pending.takeFirst()(dissent); }
    qsizetype warnings() const { return log.lines().filter(u"[WARN]"_s).size(); }
};

TEST(InsertedCardMounter, MountsAnAutoCardOnceAfterTheGraceUnlessSomeoneElseDid)
{
    Harness h;
    DiskDescription a = h.insert(u"loop7"_s);
    h.timers.advance(1499ms);
    EXPECT_TRUE(h.probe->requests.isEmpty());
    h.timers.advance(1ms);
    EXPECT_EQ(h.probe->requests, QStringList { u"mount loop7"_s });
    EXPECT_TRUE(
        h.log.contains(u"[INFO] Mounting AUTO30_A: inserted and not mounted by the desktop within 1.5 s"_s));
    for (const char *path : { "/media/root/AUTO30_A", "" }) { // mounted, then unmounted by the user
        a.volumePath = QString::fromLatin1(path);
        h.probe->callbacks.descriptionChanged(a);
    }
    h.timers.advance(10s);
    h.probe->callbacks.disappeared(a.deviceName);
    h.insert(a.deviceName); // reinserted
    h.timers.advance(1500ms);
    EXPECT_EQ(h.probe->requests.size(), 2);

    // Left alone: mounted by the desktop first, pulled in the grace, hints against it, setting off.
    DiskDescription byDesktop = h.insert(u"loop8"_s);
    byDesktop.volumePath = u"/media/root/AUTO30_A"_s;
    h.probe->callbacks.descriptionChanged(byDesktop);
    for (bool DiskDescription::*hint : { &DiskDescription::isMountable, &DiskDescription::hintIgnore,
             &DiskDescription::hintSystem, &DiskDescription::hintAuto }) {
        DiskDescription hinted = h.insert(u"sdc1"_s);
        h.probe->callbacks.disappeared(u"sdc1"_s); // pulled in the grace, or inserted with a hint against it
        hinted.*hint = !(hinted.*hint);
        h.probe->callbacks.appeared(hinted);
    }
    h.timers.advance(5s);
    h.enabled = false;
    h.insert(u"sde1"_s);
    h.timers.advance(5s);
    EXPECT_EQ(h.probe->requests.size(), 2) << h.probe->requests.join(u", "_s).toStdString();
    EXPECT_TRUE(h.problems.isEmpty());
}

TEST(InsertedCardMounter, ARefusalIsToldOnceAndNeverRetried)
{
    Harness h;
    const DiskDescription failing = h.insert(u"loop7"_s);
    h.insert(u"loop8"_s, u"AUTO30_B"_s);
    h.insert(u"loop9"_s, u"AUTO30_C"_s);
    h.timers.advance(1500ms);
    h.answer(u"org.freedesktop.UDisks2.Error.Failed: Error mounting /dev/loop7: wrong fs type"_s);
    h.answer(u"org.freedesktop.UDisks2.Error.AlreadyMounted: Device /dev/loop8 is already mounted"_s);
    h.answer(u"org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain: Not authorized to perform operation"_s);
    h.probe->callbacks.descriptionChanged(failing);
    h.timers.advance(10s);
    EXPECT_EQ(h.probe->requests.size(), 3);
    EXPECT_EQ(h.problems,
        QStringList({ u"AUTO30_A: Error mounting /dev/loop7: wrong fs type"_s,
            u"AUTO30_C: Not authorized to perform operation"_s }));
    EXPECT_EQ(h.warnings(), 2);
    h.restart(); // not authorized again, reinserted under a new disk session: neither logged nor shown
    h.insert(u"loop9"_s, u"AUTO30_C"_s);
    h.timers.advance(1500ms);
    h.answer(u"org.freedesktop.UDisks2.Error.NotAuthorized: Not authorized to perform operation"_s);
    EXPECT_EQ(h.problems.size(), 2);
    EXPECT_EQ(h.warnings(), 2);
}

} // namespace
