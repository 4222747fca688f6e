#pragma once

#include "platform.h"

// The system's side as the test sets it, recording what the program asks of it.
struct RecordingPlatform : platform::Platform
{
    std::string folder = "/opt/merolan";
    std::vector<std::string> data;
    bool viewer = true;
    bool sysInfo = false;
    std::vector<std::string> modules;
    std::vector<std::optional<platform::VersionStrings>> versions;

    std::vector<std::string> opened;
    std::vector<std::string> helpShown;
    int sysInfoStarts = 0;

    std::string programDirectory() const override { return folder; }
    std::vector<std::string> dataDirectories() const override { return data; }
    bool openDocument(const std::string &pathOrAddress) override
    {
        opened.push_back(pathOrAddress);
        return true;
    }
    bool startSysInfo() override
    {
        ++sysInfoStarts;
        return sysInfo;
    }
    std::vector<std::string> processModules() override { return modules; }
    std::vector<std::optional<platform::VersionStrings>> versionStrings(const std::vector<std::string> &) override
    {
        return versions;
    }
    bool showHelpFile(const std::string &path, std::uintptr_t) override
    {
        helpShown.push_back(path);
        return viewer;
    }
};
