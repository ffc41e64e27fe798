#pragma once

#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

// Saves what window shows as uikit-<name>.png in the test's build folder, for a look by eye.
inline void SaveShot(QWidget &window, const QString &name)
{
    const QString file = QDir(QStringLiteral(HALVERN_SHOT_DIR)).filePath(QStringLiteral("uikit-%1.png").arg(name));
    EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
}
