"""Builds qordahosts._core from the library's own sources beside this folder.

    /usr/bin/python3 -m pip install --no-build-isolation ./python

QORDA_PYTHON_BUILD_DIR moves setuptools' build folder (default python/build),
so that builds with different compilers do not reuse each other's objects.
"""

import os
import re
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent


def project_version():
    """The version, set once in the top CMakeLists.txt."""
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(\s*qordahosts\s+VERSION\s+([0-9.]+)", text).group(1)


def library_sources():
    """Every source of the library's core, by glob, as files come and go.

    shared_library.cpp only gathers the core into libqordahosts.so."""
    sources = (ROOT / "src").rglob("*.cpp")
    return sorted(str(path) for path in sources if path.name != "shared_library.cpp")


class ParallelBuildExt(build_ext):
    """Compiles the sources on every core; setuptools compiles one at a time."""

    def build_extension(self, ext):
        compile_one = self.compiler.compile

        def compile_all(sources, *args, **kwargs):
            with ThreadPoolExecutor(os.cpu_count()) as pool:
                batches = pool.map(lambda source: compile_one([source], *args, **kwargs), sources)
                return [name for batch in batches for name in batch]

        self.compiler.compile = compile_all
        try:
            super().build_extension(ext)
        finally:
            self.compiler.compile = compile_one


core = Extension(
    "qordahosts._core",
    sources=sorted(str(path) for path in (HERE / "src").glob("*.cpp")) + library_sources(),
    include_dirs=[str(ROOT / "include"), str(ROOT / "src")],
    define_macros=[("QORDA_BUILDING_LIBRARY", None)],
    extra_compile_args=["-std=c++20", "-Wall", "-Wextra", "-fvisibility=hidden"],
    # Only the module's init function is exported: the library's C functions
    # stay private to the extension, whatever else the process loads.
    extra_link_args=[f"-Wl,--version-script={HERE / 'src' / '_core.map'}"],
    depends=[str(path) for folder in ("include", "src", "python/src") for path in (ROOT / folder).rglob("*.h")],
    language="c++",
)

setup(
    name="qordahosts",
    version=project_version(),
    description="FTP host types, host detection and LIST line decoding for every dialect",
    license="MIT",
    python_requires=">=3.11",
    packages=["qordahosts"],
    package_data={"qordahosts": ["py.typed", "*.pyi"]},
    ext_modules=[core],
    cmdclass={"build_ext": ParallelBuildExt},
    options={"build": {"build_base": os.environ.get("QORDA_PYTHON_BUILD_DIR", "build")}},
    zip_safe=False,
)
