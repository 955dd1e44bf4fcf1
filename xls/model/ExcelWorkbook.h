#pragma once

// Interim: the loader joins the container and record layers once both are in.
class ExcelWorkbook {};
