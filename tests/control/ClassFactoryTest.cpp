#include "automation/ComInterfaces.h"
#include "automation/ICellvex.h"
#include "automation/TypeLibrary.h"
#include "control/CellvexObject.h"
#include "platform/ControlHost.h"
#include "platform/ServerRegistry.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

TEST(ClassFactory, RegisterCreateByNameAndUnregister)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.ini"));
    qputenv("CELLVEX_REGISTRY", path.toLocal8Bit());

    ICellvex *control = nullptr;
    QString why;
    EXPECT_EQ(createControl(QStringLiteral("Cellvexlib.Cellvex"), &control, &why), REGDB_E_CLASSNOTREG);
    ASSERT_EQ(DllRegisterServer(), S_OK);
    const auto entry = ServerRegistry(path).findByProgId(QStringLiteral("Cellvexlib.Cellvex"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->threadingModel, QStringLiteral("Apartment"));
    EXPECT_EQ(entry->miscStatus, 0x12000u);
    EXPECT_TRUE(entry->libraryPath.contains(QStringLiteral("libcellvex")));

    // By ProgID and by class identifier (with or without braces).
    for (const QString &name : {QStringLiteral("Cellvexlib.Cellvex"), TypeLibrary::kCoclassId.toString(),
                                QLatin1Char('{') + TypeLibrary::kCoclassId.toString() + QLatin1Char('}')}) {
        ASSERT_EQ(createControl(name, &control, &why), S_OK) << why.toStdString();
        std::int32_t cols = 0;
        EXPECT_EQ(control->get_ColCount(&cols), S_OK);
        EXPECT_EQ(cols, 6);
        EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // a control is alive
        control->Release();
    }
    EXPECT_EQ(DllCanUnloadNow(), S_OK);

    ASSERT_EQ(DllUnregisterServer(), S_OK);
    EXPECT_EQ(createControl(QStringLiteral("Cellvexlib.Cellvex"), &control, &why), REGDB_E_CLASSNOTREG);
    qunsetenv("CELLVEX_REGISTRY");
}

TEST(ClassFactory, RefusesOtherClassesAndAggregation)
{
    void *object = nullptr;
    EXPECT_EQ(DllGetClassObject(TypeLibrary::kId, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(DllGetClassObject(TypeLibrary::kCoclassId, IID_IClassFactory, &object), S_OK);
    auto *factory = static_cast<IClassFactory *>(object);
    void *control = nullptr;
    int outer = 0;
    EXPECT_EQ(factory->CreateInstance(&outer, TypeLibrary::kInterfaceId, &control), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, TypeLibrary::kEventsId, &control), E_NOINTERFACE);
    EXPECT_EQ(control, nullptr);
    ASSERT_EQ(factory->CreateInstance(nullptr, TypeLibrary::kInterfaceId, &control), S_OK);
    auto *c = static_cast<ICellvex *>(control);
    void *widget = nullptr;
    EXPECT_EQ(c->QueryInterface(IID_IQtWidget, &widget), S_OK);
    EXPECT_NE(widget, nullptr);
    EXPECT_EQ(c->Release(), 0u);
    factory->Release();
}

TEST(ClassFactory, RegistrationsSideBySideLoseNothing)
{
    // Scripts started side by side each register the control: no writer may
    // drop another's entry, and the file never goes missing.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.ini"));
    constexpr int kWriters = 8;
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (int i = 0; i < kWriters; ++i)
        writers.emplace_back([&, i] {
            ServerEntry e;
            e.classId = QStringLiteral("{0000000%1-0000-0000-0000-000000000000}").arg(i);
            e.progId = QStringLiteral("Test.Class%1").arg(i);
            e.libraryPath = QStringLiteral("/lib/%1.so").arg(i);
            for (int round = 0; round < 5; ++round) {
                e.typeLibVersion = QString::number(round);
                if (!ServerRegistry(path).add(e))
                    ++failures;
            }
        });
    for (std::thread &t : writers)
        t.join();
    EXPECT_EQ(failures.load(), 0);
    for (int i = 0; i < kWriters; ++i) {
        const auto entry = ServerRegistry(path).findByProgId(QStringLiteral("Test.Class%1").arg(i));
        ASSERT_TRUE(entry.has_value()) << i;
        EXPECT_EQ(entry->typeLibVersion, QStringLiteral("4"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("registry.ini")}));
}
