// What Corbelkit exports: the library is built with hidden visibility, so that only its
// classes and its module entry reach the plug-in and the host.
#pragma once

#define CORBELKIT_API __attribute__((visibility("default")))
