# CMake generated Testfile for 
# Source directory: /work/main/tests/bench
# Build directory: /work/main/build/native/tests/bench
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
