// The application object of the program and of these tests runs on Qt's own event loop, and the
// choice does not leak to the programs it starts.
#include "platform/interface/qt/eventos.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QProcess>

TEST(LacoDeEventos, EDoQtENaoPassaAosProgramasIniciados) {
    ASSERT_NE(QAbstractEventDispatcher::instance(), nullptr);
    EXPECT_FALSE(QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib"));
    QProcess filho;
    filho.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo \"[$QT_NO_GLIB]\"")});
    ASSERT_TRUE(filho.waitForFinished());
    EXPECT_EQ(filho.readAllStandardOutput().trimmed(), "[]");
}
