#pragma once

#include <QLibrary>

// The sound and speech libraries are opened when first needed, not linked:
// the program starts without mapping them and runs, silent, without them.
// Their functions are looked up by name into pointers of their declared types.
template <class Function> bool resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}
