#pragma once
// Every option and counter of data.qif that the main window holds in memory between two reloads.
// The defaults are the program's own; a reload replaces them field by field in the order of the file.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/program_files.h"

namespace quon {

struct Counters {
    double day = 0;
    double daylim = 1048576;
    double monthlim = 31457280;
    double month = 0;
    double uplim = 0;
    double up = 0;
    double backup = 0;
};

struct Options {
    std::vector<std::string> ignoreList;  // [ignore] item_1..item_n, compared exactly
    int64_t viewX = 200;                  // Left = screen width - viewX
    int64_t viewY = 100;                  // Top = screen height - viewY
    int64_t opacity = 225;
    bool positionLocked = false;
    int64_t trayClick = 1;                // [visibility] click, the tray icon's tag
    bool activityLogOn = false;
    bool eventLogOn = false;
    bool protectionOn = true;
    bool englishSpeedWords = false;
    int64_t method = 0;                   // 1: RAS is not polled
    int64_t units = 2;                    // 0 bytes, 1 KB, 2 MB
    int64_t speedUnit = 1;                // 0..5
    bool bankOn = false;
    int64_t decimals = 3;                 // forced to 0 while units is 0
    int fadeStep = 5;
    Counters counters;
    std::array<int64_t, 5> levels{1024, 2048, 3072, 4096, 5120};
    bool animationOn = false;
    bool fullStopOn = true;
    int64_t hintMode = 0;                 // 0 none, 1 short, 2 detailed, 3 extended
    bool balloonsOn = true;
    bool hideHangupButton = false;        // [skin] hangup is 0
    bool hangupAtShutdown = false;
    int64_t idleMinutes = 0;
    bool hideUnderCursor = false;
    bool pluginsOn = false;
    unsigned tickIntervalMs = 1000;
    unsigned protectIntervalMs = 59940;
    // Read for the theme, icon and tray steps of a reload.
    std::string skinFile = kBuiltInName;
    int64_t skinVariation = 0;
    std::string iconSetName = kBuiltInName;  // kBuiltInName or kCustomIconSetName
    bool trayHidden = false;              // [visibility] tray is "off" in any case
};

}  // namespace quon
