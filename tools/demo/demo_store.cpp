#include "demo_store.h"

#include <filesystem>
#include <fstream>

#include "app/reports_dlg.h"
#include "demo_menu.h"
#include "demo_queue.h"
#include "demo_store_master.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

bool WriteBytes(const fs::path& path, const std::string& bytes, std::string* error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        *error = "cannot write " + path.string();
        return false;
    }
    return true;
}

bool MakeDirectory(const fs::path& path, std::string* error) {
    std::error_code failed;
    fs::create_directories(path, failed);
    if (failed) {
        *error = "cannot make the directory " + path.string() + ": " + failed.message();
        return false;
    }
    return true;
}

// Copies a program or document into place; programs are made executable, as an installer
// would leave them.
bool Install(const std::string& source, const fs::path& target, bool program, std::string* error) {
    if (source.empty()) {
        return true;
    }
    std::error_code failed;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, failed);
    if (!failed && program) {
        fs::permissions(target,
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, failed);
    }
    if (failed) {
        *error = "cannot copy " + source + " to " + target.string() + ": " + failed.message();
        return false;
    }
    return true;
}

}  // namespace

bool WriteDemoStore(const DemoOptions& options, std::string* error) {
    const fs::path drive(options.m_strDriveC);
    const fs::path pos = drive / "POS";
    const fs::path report = drive / "report";
    const fs::path queues = drive / "BDrive";
    if (!MakeDirectory(pos, error) || !MakeDirectory(report, error) ||
        !MakeDirectory(queues, error)) {
        return false;
    }

    if (!WriteBytes(pos / "Brindlemoor_Sales_Recap.csv", SalesDefinitionText(DemoMenu()), error) ||
        !WriteBytes(pos / "WS.csv", WorkSheetSpecificationText(), error)) {
        return false;
    }

    std::string data;
    std::string index;
    if (!BuildStoreMaster(DemoStore(), options.m_nSeed, &data, &index, error)) {
        *error = "cannot build the store master file: " + *error;
        return false;
    }
    for (const fs::path& directory : {pos, report}) {
        if (!WriteBytes(directory / "POS-B", data, error) ||
            !WriteBytes(directory / "POS-B.xxx", index, error)) {
            return false;
        }
    }

    const long long today = DaysFromCivil(options.m_today);
    for (long long day = today - options.m_nDays + 1; day <= today; ++day) {
        const Date date = CivilFromDays(day);
        if (!WriteBytes(queues / QueueFileName(date),
                        DemoQueueFileText(date, options.m_nTickets, options.m_nSeed), error)) {
            return false;
        }
    }

    return Install(options.m_strTabulo, pos / "QVL_Tabulo.exe", true, error) &&
           Install(options.m_strTabulo, report / "Tabulo.exe", true, error) &&
           Install(options.m_strPagoret, pos / "Pagoret.exe", true, error) &&
           Install(options.m_strHelpDocument, pos / "WorkSheetInv.rtf", false, error);
}

}  // namespace tolvane
