#pragma once

#include <string>

#include "presentation/print/print_job.h"
#include "presentation/services/application_services.h"

namespace kirvo::cli {

// "--pdf FILE": writes the pages the print preview would print for `job`, with the page settings
// kept in the per-user store (the defaults without one), as a PDF. The exit code: 0 when written,
// else 1 after a message on standard error.
int WritePdfOutput(const PrintJob& job, const ApplicationServices& services, const std::string& file);

}  // namespace kirvo::cli
