#pragma once

#include <filesystem>

#include "platform/outcome.h"
#include "presentation/print/page_settings.h"
#include "presentation/print/print_job.h"

namespace kirvo {

struct SysSettings;

// The paper a job is laid out on, whole, in millimetres (portrait A4 unless a printer set-up chose
// another).
struct PrintPaper {
  double width_mm = 210;
  double height_mm = 297;
};

// Writes the pages the print preview would print for `job` as a vector PDF: texts stay texts with
// their fonts embedded. The file is written whole beside its place and then put there, so a failed
// write leaves no half file and an existing file stays until the new one is complete. Fails with a
// message for the user when the folder is missing or the file cannot be written. Runs in a program
// with or without a GUI application; without one it starts one on the offscreen platform for the
// time of the call.
Status WritePdfPages(const PrintJob& job, const PageSettings& settings, const SysSettings& sys,
                     const std::filesystem::path& file, const PrintPaper& paper = {});

}  // namespace kirvo
