// Resource ids of the test program's string table.
#pragma once

#define IDS_AUTO_LABEL 188
