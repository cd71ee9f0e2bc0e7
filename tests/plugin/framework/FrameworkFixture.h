// Each test starts with a new drawing, an empty transcript and command line, host variables at
// their defaults, a folder of its own and message boxes answered by a script and logged.
#pragma once

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "CScopedMessageBoxAnswerer.h"
#include "HostApplication.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// An object of the expected class opened for read for as long as the reader lives.
template <class T>
class ReadBack {
public:
    explicit ReadBack(AcDbObjectId id)
    {
        AcDbObject* obj = nullptr;
        if (acdbOpenAcDbObject(obj, id, AcDb::kForRead) != Acad::eOk)
            return;
        mObj = T::cast(obj);
        if (mObj == nullptr)
            obj->close();
    }
    ~ReadBack()
    {
        if (mObj != nullptr)
            mObj->close();
    }
    ReadBack(const ReadBack&) = delete;
    ReadBack& operator=(const ReadBack&) = delete;
    explicit operator bool() const { return mObj != nullptr; }
    T* operator->() const { return mObj; }

private:
    T* mObj = nullptr;
};

class FrameworkFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostApplication& host = app();
        host.transcript().setEcho(nullptr);
        host.docManager().newDocument();
        host.transcript().clear();
        host.inputScript().clear();
        host.systemVariables().reset();
        mBoxes->SetLog(&host.transcript().stream());
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        mFolder = std::filesystem::temp_directory_path()
            / ("corbel-framework-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    static HostApplication& app() { return HostApplication::instance(); }
    static AcDbDatabase* db() { return app().database(); }
    static std::wstring transcript() { return app().transcript().text(); }

    // The live entities of model space, in append order.
    static std::vector<AcDbObjectId> modelSpace()
    {
        std::vector<AcDbObjectId> ids;
        AcDbBlockTableRecord* block = nullptr;
        if (acdbOpenObject(block, db()->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
            return ids;
        for (const AcDbObjectId& id : block->entityIds()) {
            if (!id.isErased())
                ids.push_back(id);
        }
        block->close();
        return ids;
    }

    // The entities of model space of one class.
    template <class T>
    static std::vector<AcDbObjectId> entitiesOf()
    {
        std::vector<AcDbObjectId> ids;
        for (AcDbObjectId id : modelSpace()) {
            if (ReadBack<T> e(id); e)
                ids.push_back(id);
        }
        return ids;
    }

    static std::wstring layerOf(AcDbObjectId id)
    {
        ReadBack<AcDbEntity> e(id);
        return e ? AcDbDatabase::symbolName(e->layerId()) : std::wstring();
    }

    std::filesystem::path file(const std::string& name, const std::string& text = std::string()) const
    {
        const std::filesystem::path path = mFolder / name;
        if (!text.empty()) {
            std::ofstream out(path, std::ios::binary);
            out << text;
        }
        return path;
    }

    // Runs a Python script of the test data on a saved drawing; its standard output.
    static std::string runScript(const std::string& script, const std::filesystem::path& dxf, int& status)
    {
        const std::string command = std::string(CORBEL_PYTHON3) + " " + CORBEL_TEST_DATA + "/" + script + " '"
            + dxf.string() + "' 2>&1";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            status = -1;
            return out;
        }
        std::array<char, 4096> buffer {};
        size_t n = 0;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            out.append(buffer.data(), n);
        status = pclose(pipe);
        return out;
    }

    CScopedMessageBoxAnswerer mBoxes;
    std::filesystem::path mFolder;
};
