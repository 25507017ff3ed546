# Installs the built project into a fresh prefix, then configures, builds and
# runs the project beside this script against that prefix alone.
#
#   cmake -DBUILD_DIR=... -DCONFIG=... -DWORK_DIR=... -DGENERATOR=... -DC_COMPILER=... -P package_test.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
set(build "${WORK_DIR}/build")

execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --config "${CONFIG}" --prefix "${prefix}"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${CMAKE_CURRENT_LIST_DIR}" -B "${build}" -G "${GENERATOR}"
            "-DCMAKE_C_COMPILER=${C_COMPILER}" -DCMAKE_BUILD_TYPE=Release
            "-DCMAKE_PREFIX_PATH=${prefix}"
            -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF
            -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${build}" --config Release COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -C Release --output-on-failure
    COMMAND_ERROR_IS_FATAL ANY)
