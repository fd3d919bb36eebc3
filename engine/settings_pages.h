#pragma once
// The pages of the settings dialog by the numbers the main program opens them with (the library's
// _callSettings takes one of these).
namespace quon {

enum SettingsPageNumber : int {
    pgOptions = 0,
    pgInterface = 1,
    pgEvents = 2,
    pgData = 3,
    pgLog = 4,
    pgInfo = 5,
    pgStatistics = 7,
};

}  // namespace quon
