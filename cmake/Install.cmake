# The installed package: the layers as static libraries gathered by
# zvCommon::zvcommon, the public headers under include/zv (hosts put that
# folder on their include path and write "errors/ErrorItem.h"), and a
# configuration that finds the backend's own dependencies again.
#
# The driver is the optional component Driver (zvCommon::zv_driver): a host
# that tests its own forms and dialogs on the headless backend needs the same
# scripted user as the library's tests, but a host that only ships the
# library should not link it by accident.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZV_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/zvCommon)
set(ZV_LAYERS zv_platform_text zv_platform_win zv_automation zv_forms zv_errors zv_util
    zv_winmsg zv_paint zv_controls zv_msgbox)

install(TARGETS zvcommon ${ZV_LAYERS} EXPORT zvCommonTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT zvCommonTargets NAMESPACE zvCommon:: DESTINATION ${ZV_INSTALL_CMAKEDIR})

install(TARGETS zv_driver EXPORT zvCommonDriverTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT zvCommonDriverTargets NAMESPACE zvCommon:: DESTINATION ${ZV_INSTALL_CMAKEDIR})

# Every header of src/ but the backends' own, which stay behind the seam.
install(DIRECTORY src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zv
        FILES_MATCHING PATTERN "*.h"
        PATTERN "platform/headless" EXCLUDE
        PATTERN "platform/win32" EXCLUDE)

# The backend decides which third-party packages a host must find again.
if(WIN32)
    set(ZV_PACKAGE_DEPENDENCIES "")
else()
    set(ZV_PACKAGE_DEPENDENCIES "Freetype;PNG")
endif()
configure_package_config_file(cmake/zvCommonConfig.cmake.in
    ${PROJECT_BINARY_DIR}/zvCommonConfig.cmake INSTALL_DESTINATION ${ZV_INSTALL_CMAKEDIR})
# Below 1.0 a new minor version may change the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zvCommonConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zvCommonConfig.cmake
              ${PROJECT_BINARY_DIR}/zvCommonConfigVersion.cmake
        DESTINATION ${ZV_INSTALL_CMAKEDIR})
