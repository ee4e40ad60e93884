#pragma once
// quillon-table run as a person runs it, in a temporary folder: its exit
// status, standard output and standard error.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quillon_table {

namespace fs = std::filesystem;

struct Salida {
    int estado = -1;
    std::string out, err;
};

class QuillonTable : public testing::Test {
protected:
    void SetUp() override
    {
        std::string plantilla = (fs::temp_directory_path() / "quillon-table-XXXXXX").string();
        ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
        dir = plantilla;
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string leer(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
    fs::path escribir(const std::string& nombre, const std::string& bytes) const
    {
        std::ofstream(dir / nombre, std::ios::binary) << bytes;
        return dir / nombre;
    }
    // Runs the program in the temporary folder with its arguments (quoted by
    // the caller as needed); one that hangs is stopped after 20 s.
    Salida correr(const std::string& argumentos) const
    {
        const std::string orden = "cd '" + dir.string() + "' && timeout 20 '" + QUILLON_TABLE_EXE + "' " + argumentos +
                                  " >out 2>err </dev/null";
        const int r = std::system(orden.c_str());
        Salida s;
        s.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
        s.out = leer(dir / "out");
        s.err = leer(dir / "err");
        return s;
    }
    static std::string ejemplo() { return std::string("'") + QUILLON_EXAMPLES_DIR + "/benzene-toluene-3-stages.bdf'"; }

    fs::path dir;
};

inline std::vector<std::string> lineasCsv(const std::string& t)
{
    std::vector<std::string> r;
    std::istringstream s(t);
    for (std::string l; std::getline(s, l);) r.push_back(l);
    return r;
}

}  // namespace quillon_table
