#include "common/CardTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

CardTree::CardTree()
    : m_root(m_dir.path() + QStringLiteral("/card"))
    , m_outside(m_dir.path() + QStringLiteral("/outside"))
{
    EXPECT_TRUE(m_dir.isValid());
    QDir().mkpath(m_root);
    QDir().mkpath(m_outside);
}

CardTree::~CardTree()
{
    // QDir cannot remove names that are not valid UTF-8; the byte-level walk can.
    std::error_code ignored;
    std::filesystem::remove_all(
        std::filesystem::path(QFile::encodeName(m_dir.path()).toStdString()), ignored);
}

MountedCard CardTree::card(const QString &name) const
{
    MountedCard card;
    card.url = QUrl::fromLocalFile(m_root);
    card.name = name;
    return card;
}

void CardTree::mkdir(const QString &relative) const
{
    ASSERT_TRUE(QDir().mkpath(path(relative))) << relative.toStdString();
}

void CardTree::touch(const QString &relative) const
{
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
}

void CardTree::symlink(const QString &target, const QString &relative) const
{
    ASSERT_EQ(
        ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path(relative)).constData()), 0)
        << relative.toStdString();
}
