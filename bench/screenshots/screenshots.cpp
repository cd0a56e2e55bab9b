// Renders every dialog in every language and edition to PNG files, so that
// layouts and texts can be looked at without a display, and names what in
// them cannot be reached with the keyboard.
#include "core/app_state.h"
#include "dialog_gallery.h"
#include "formats/bgs_file.h"
#include "formats/function_data_image.h"
#include "formats/handover_file.h"
#include "formats/slot_list.h"
#include "language/language_module.h"
#include "platform/program_folder.h"
#include "standard_boxes.h"
#include "tests/formats/hex_builder.h"
#include "tests/support/keyboard_check.h"
#include "tests/support/sim_process.h"
#include "ui/scripted_user_interface.h"

#include <QApplication>
#include <QBuffer>
#include <QLayout>
#include <QPixmap>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// A 0x400-byte image in 16-byte records after `head`.
std::string UpdateFile(const std::string& head) {
    const std::vector<std::uint8_t> image = hexfile::Pattern(0x400, 3);
    std::string text = head + "\n" + hexfile::Linear(0);
    for (std::uint16_t address = 0; address < image.size(); address += 16)
        text += hexfile::Data(
            address, std::vector<std::uint8_t>(image.begin() + address, image.begin() + address + 16));
    return text + hexfile::Record(1, 0, {});
}

// A program file, a firmware file, a welcome page and the hand-over file of
// an earlier OS update preparation.
bool PrepareUpdateFiles(const std::string& stage) {
    for (const char* sub : {"/Betriebssystem_QRT5130", "/Betriebssystem_BL", "/Begr\xC3\xBCssungsseiten"})
        std::filesystem::create_directories(stage + sub);
    const std::string program = stage + "/Betriebssystem_QRT5130/QRT5130 V4.17 Heizzentrale.prg";
    const std::string page = stage + "/Begr\xC3\xBCssungsseiten/Heizzentrale Nord.bgs";
    std::ofstream(program) << UpdateFile("BRAVOLT_PROGRAM_FILE 20000");
    std::ofstream(stage + "/Betriebssystem_BL/LINKBOX 2.8.frm")
        << UpdateFile("BRAVOLT_LINKBOX_FIRMWARE_FILE 400");
    std::ofstream(page) << qbx::FormatBgs(
        {"  Heizzentrale Nord", "Stadtwerke Musterheim", "Kesselhaus 2", "Service 0421 55 66"});
    std::ofstream web(stage + "/" + qbx::kStageWebPage, std::ios::binary);
    for (int row = 0; row < 200; ++row)
        web << "<p>Kessel " << row << ": 72 &deg;C, Vorlauf 55 &deg;C</p>\n";
    if (!qbx::WriteHandoverFile({page, program}, stage)) {
        std::fprintf(stderr, "qbx-screenshots: cannot write the hand-over file in %s\n", stage.c_str());
        return false;
    }
    return true;
}

// A program folder with a LINKBOX simulator behind it, a few function-data
// files and the slot lists of a previous session, so that the device
// dialogs show what a service engineer would see.
bool PrepareStage(const std::string& stage, qbx::test::CSimProcess& sim) {
    std::filesystem::create_directories(stage + "/Funktionsdaten");
    // Short update phases: the pictures show the end of a run, not its length.
    if (!sim.Start({"--tcp", "0", "--kind", "A3", "--slot", "1=Kessel Nord:1024", "--slot",
                    "3=Halle Süd 21°C:2048", "--slot", "6=Schule Turnhalle:512", "--os-size", "0x400",
                    "--firmware-size", "0x400", "--boot-data", "LINKBOX Zentrale:0x400"})) {
        std::fprintf(stderr, "qbx-sim: %s\n", sim.Error().c_str());
        return false;
    }
    std::ofstream(stage + "/qbx_man.ini") << "6\n0\n127.0.0.1\n" << sim.TcpPort() << "\n";
    qbx::SetProgramFolder(stage);
    auto dat = [&](const char* name, std::uint8_t format, std::uint8_t device, std::uint32_t size) {
        qbx::FunctionDataImage image;
        image.Prepare({format, device, "V2.10", format > 2 ? "B1.00" : "", size});
        std::string path = stage + "/Funktionsdaten/" + name;
        image.Save(path);
        return path;
    };
    qbx::SlotList up, down;
    up[1] = {1, dat("Wohnhaus Meier.dat", 2, 0x80, 0x8400)};
    up[4] = {1, dat("Gateway Halle.dat", 3, 0x84, 0x400)};
    dat("LINKBOX Zentrale.dat", 3, 0xA3, 0x400); // the bootloader data dialog's file
    down[0] = {1, stage + "/Funktionsdaten/Kessel Nord.dat"};
    down[2] = {1, stage + "/Funktionsdaten/Halle Sued.dat"};
    if (!qbx::WriteUploadSlotList(up) || !qbx::WriteDownloadSlotList(down)) {
        std::fprintf(stderr, "qbx-screenshots: cannot write the slot lists in %s\n", stage.c_str());
        return false;
    }
    return PrepareUpdateFiles(stage);
}

// Writes `widget` as PNG to `path`; says why on standard error when it cannot.
bool SavePng(QWidget& widget, const std::filesystem::path& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!widget.grab().save(&buffer, "PNG")) {
        std::fprintf(stderr, "qbx-screenshots: cannot render %s\n", path.c_str());
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    bool written =
        file && std::fwrite(png.constData(), 1, png.size(), file) == static_cast<size_t>(png.size());
    int error = errno;
    if (file && std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written)
        std::fprintf(stderr, "qbx-screenshots: cannot write %s: %s\n", path.c_str(), std::strerror(error));
    return written;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qbx-screenshots OUTDIR\n");
        return 2;
    }
    // Taken from the caller's folder now: the main window changes into the
    // program folder it shows.
    std::error_code error;
    std::filesystem::path out = std::filesystem::absolute(argv[1], error);
    if (!error) std::filesystem::create_directories(out, error);
    if (error) {
        std::fprintf(stderr, "qbx-screenshots: cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    std::string stage =
        (std::filesystem::temp_directory_path() / ("qbx-screenshots-" + std::to_string(getpid()))).string();
    qbx::test::CSimProcess sim;
    if (!PrepareStage(stage, sim)) return 1;
    int written = 0, faults = 0;
    for (const char* language : {"DEU", "ENU", "ITA"}) {
        qbx::CLanguageModule module;
        if (!module.Load(std::string(QBX_PROGRAM_DIR) + "/Qbx" + language + ".dll")) {
            std::fprintf(stderr, "cannot load the %s module\n", language);
            return 1;
        }
        for (int edition : {1, 2}) {
            for (const qbx::GalleryEntry& entry : qbx::DialogGallery()) {
                qbx::AppState().edition = edition; // the main window reads it afresh from customer.ini
                qbx::CScriptedUserInterface ui;
                qbx::CUiContext context{module, ui};
                auto dialog = entry.create(context);
                if (!dialog->Initialize()) {
                    std::fprintf(stderr, "%s: template does not build\n", entry.name.c_str());
                    return 1;
                }
                // The page lines of the OS update preparation have the group's title.
                const bool pageLines = dialog->TemplateId() == 160;
                for (const std::string& fault : qbx::test::KeyboardFaults(
                         *dialog,
                         pageLines ? QSet<QString>{"1075", "1076", "1077", "1078"} : QSet<QString>{})) {
                    std::fprintf(stderr, "%s %s edition %d: %s\n", entry.name.c_str(), language, edition,
                                 fault.c_str());
                    ++faults;
                }
                dialog->layout()->activate();
                dialog->adjustSize();
                std::string name =
                    entry.name + "-" + language + "-edition" + std::to_string(edition) + ".png";
                if (!SavePng(*dialog, out / name)) return 1;
                ++written;
            }
        }
        for (const qbx::StandardBoxEntry& entry : qbx::StandardBoxes()) {
            auto box = entry.create(module, stage);
            qbx::SettleForGrab(*box);
            if (!SavePng(*box, out / (entry.name + "-" + language + ".png"))) return 1;
            ++written;
        }
    }
    sim.Stop();
    std::filesystem::remove_all(stage);
    std::printf("%d screenshots in %s\n", written, out.c_str());
    return faults ? 1 : 0;
}
