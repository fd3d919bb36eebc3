/* The product name and version as plain macros, shared by the C++ code and the version resources
   (the resource compiler reads only the preprocessor). */
#pragma once
#define QUON_PRODUCT_NAME "Quon Tollen II"
#define QUON_VERSION_MAJOR 2
#define QUON_VERSION_MINOR 1
#define QUON_VERSION_TEXT "2.1"
