# Puts the page together: the HTML with its icon, its scripts, the world map's land, and the
# worker's script made of the core's glue, the core itself (base64) and the worker's own code.
# Run with cmake -P.
foreach(name PAGE_FOLDER CORE_SCRIPT CORE_MODULE ICON WORLD VERSION OUTPUT)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "AssemblePage.cmake needs -D${name}=...")
    endif()
endforeach()

function(base64_of file out)
    execute_process(COMMAND base64 -w0 ${file} OUTPUT_VARIABLE encoded RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "base64 could not read ${file}")
    endif()
    string(STRIP "${encoded}" encoded)
    set(${out} "${encoded}" PARENT_SCOPE)
endfunction()

# Script text inside <script> ends at the first "</script"; "<!--" would change how the rest
# is read. Both are written in the form JavaScript reads the same.
function(escape_for_script text out)
    string(REPLACE "</script" "<\\/script" text "${text}")
    string(REPLACE "<!--" "<\\!--" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${PAGE_FOLDER}/KestrelToADIF.html page)
file(READ ${PAGE_FOLDER}/page.js page_script)
file(READ ${PAGE_FOLDER}/glance.js glance_script)
file(READ ${WORLD} world)
file(READ ${PAGE_FOLDER}/worker.js worker_script)
file(READ ${CORE_SCRIPT} core_script)
base64_of(${CORE_MODULE} core_base64)
base64_of(${ICON} icon_base64)

escape_for_script("${core_script}\nconst KESTREL_CORE_BASE64 = '${core_base64}';\n${worker_script}"
    worker)
escape_for_script("${page_script}" page_script)
escape_for_script("${glance_script}" glance_script)
string(STRIP "${world}" world)

string(REPLACE "@KESTREL_ICON@" "${icon_base64}" page "${page}")
string(REPLACE "@KESTREL_VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@KESTREL_WORKER@" "${worker}" page "${page}")
string(REPLACE "@KESTREL_WORLD@" "${world}" page "${page}")
string(REPLACE "@KESTREL_GLANCE@" "${glance_script}" page "${page}")
string(REPLACE "@KESTREL_PAGE@" "${page_script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
