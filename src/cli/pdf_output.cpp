#include "cli/pdf_output.h"

#include <cstdio>

#include "presentation/print/page_settings.h"
#include "settings/sys_settings.h"
#ifdef KIRVO_CLI_PDF
#include "app/printing/pdf_pages.h"
#endif

namespace kirvo::cli {

int WritePdfOutput(const PrintJob& job, const ApplicationServices& services, const std::string& file) {
  if (file.empty()) {
    std::fprintf(stderr, "--pdf: 書き出すPDFファイルを指定してください\n");
    return 1;
  }
#ifdef KIRVO_CLI_PDF
  const PageSettings settings = services.store() ? ReadPageSettings(*services.store()) : PageSettings{};
  if (const Status written = WritePdfPages(job, settings, services.settings().sys, file); !written) {
    std::fprintf(stderr, "--pdf: %s\n", written.error().c_str());
    return 1;
  }
  return 0;
#else
  (void)job;
  (void)services;
  std::fprintf(stderr, "--pdf: このkirvo-cliはQtなしで作られたため、PDFを書き出せません\n");
  return 1;
#endif
}

}  // namespace kirvo::cli
